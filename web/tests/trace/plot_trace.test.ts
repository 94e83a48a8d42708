// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The core compiled to wasm runs each plot run exactly as the native build does: plot-trace
// prints every operation with its single-precision numbers, and both outputs must be the same
// bytes, overflows, early stops and rejected texts included.
import { execFile } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { describe, expect, it } from 'vitest';

const wasmTrace = fileURLToPath(new URL('../../../build-web/bin/plot-trace.js', import.meta.url));
const nativeTrace = process.env['NATIVE_PLOT_TRACE'] ?? '';

// Texts as the acceleration box reads them, at the edges of the graphs' outcome table: the
// start value, no motion, a fall, the last columns of s (7, 21, 22, 37, 38, 330, 360), a row of
// exactly 32 (v 55), the overflow limits of P (127, 128) and E kin (181, 182), the 16-bit
// extremes, rounding, blanks, and texts that are rejected.
// prettier-ignore
const texts = [
  '20', '0', '-20', '7', '21', '22', '37', '38', '50', '55', '127', '128', '181', '182', '330',
  '360', '32767', '-32768', '2,5', ' 12 ', 'abc', '',
];
const graphs = ['s', 'ekin', 'v', 'p'];

interface Outcome {
  stdout: string;
  stderr: string;
  status: number;
}

function trace(command: string[], graph: string, text: string): Promise<Outcome> {
  const [program = '', ...first] = command;
  return new Promise((resolve) => {
    execFile(program, [...first, graph, text], (error, stdout, stderr) => {
      resolve({ stdout, stderr, status: error ? Number(error.code) : 0 });
    });
  });
}

describe('plot-trace compiled to wasm', () => {
  it('has the native plot-trace to compare with', () => {
    expect(nativeTrace, 'NATIVE_PLOT_TRACE').not.toBe('');
  });

  const rows = graphs.flatMap((graph) => texts.map((text) => [graph, text] as const));
  it.concurrent.each(rows)('prints what the native build prints for %s %j', async (graph, text) => {
    const [wasm, native] = await Promise.all([
      trace(['node', wasmTrace], graph, text),
      trace([nativeTrace], graph, text),
    ]);
    expect(native.stdout.length + native.stderr.length).toBeGreaterThan(0);
    expect(wasm).toEqual(native);
  });
});
