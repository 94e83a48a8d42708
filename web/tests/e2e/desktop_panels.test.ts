// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's panels against the desktop's: the same plot runs drawn by the Qt panels
// (build/bin/panel-snapshot, NATIVE_PANEL_SNAPSHOT) and by the page, at device pixel ratios 1
// and 2, must have every pixel alike outside the labels, whose text each toolkit rasterizes
// in its own way.
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { afterAll, beforeAll, describe, expect, it } from 'vitest';
import { core } from '../core';
import { launchChromium, openProgram, type Browser } from './browser';
import { typeAcceleration } from './page_reading';

const panelSnapshot = process.env['NATIVE_PANEL_SNAPSHOT'] ?? '';
const folder = mkdtempSync(join(tmpdir(), 'desktop-panels-'));

// Accelerations that end in each way: at column 200, between the dots, above the panel, below
// the base row, with a bar of negative height (s 37, E kin 50), and an overflow that draws
// nothing after curves were drawn.
const runs = [
  { graph: 's', button: 0, accelerations: ['10', '20', '40', '37'] },
  { graph: 'ekin', button: 1, accelerations: ['20', '50', '200'] },
  { graph: 'v', button: 2, accelerations: ['20', '-20', '55'] },
  { graph: 'p', button: 3, accelerations: ['19', '127'] },
];
const scales = [1, 2];

let browser: Browser;
beforeAll(async () => {
  browser = await launchChromium();
});
afterAll(async () => {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
});

async function desktopPanel(
  graph: string,
  accelerations: string[],
  scale: number,
): Promise<string> {
  const file = join(folder, `${graph}-${scale}.png`);
  const environment = {
    ...process.env,
    QT_QPA_PLATFORM: 'offscreen',
    QT_SCALE_FACTOR: String(scale),
  };
  await promisify(execFile)(panelSnapshot, [graph, ...accelerations, file], { env: environment });
  return `data:image/png;base64,${readFileSync(file).toString('base64')}`;
}

describe.each(scales)('at a device pixel ratio of %i', (scale) => {
  it.each(runs)(
    '$graph $accelerations.0 …: every pixel outside the labels as on the desktop',
    async (run) => {
      expect(panelSnapshot, 'NATIVE_PANEL_SNAPSHOT').not.toBe('');
      const desktop = await desktopPanel(run.graph, run.accelerations, scale);
      const { page } = await openProgram(browser, { deviceScaleFactor: scale });
      for (const acceleration of run.accelerations) {
        await typeAcceleration(page, acceleration);
        await page.locator(`#Command${run.button + 1}`).click();
      }
      const panel = core.windowLayout().panelOfButton[run.button] ?? -1;
      const labels = core.panelScene(panel, 1).labels;
      const differences = await page.locator(`#Picture1-${panel}`).evaluate(
        async (canvas: HTMLCanvasElement, { desktop, labels, scale }) => {
          const image = new Image();
          image.src = desktop;
          await image.decode();
          const drawing = document.createElement('canvas');
          [drawing.width, drawing.height] = [image.width, image.height];
          const context = drawing.getContext('2d');
          context?.drawImage(image, 0, 0);
          const expected = context?.getImageData(0, 0, image.width, image.height).data ?? [];
          const seen =
            canvas.getContext('2d')?.getImageData(0, 0, canvas.width, canvas.height).data ?? [];
          // A glyph may reach a few pixels beyond its label's box, as the bold "t" does.
          const inLabel = (x: number, y: number): boolean =>
            labels.some(
              (label) =>
                x >= (label.left - 1) * scale &&
                x < (label.left + label.width + 4) * scale &&
                y >= (label.top - 1) * scale &&
                y < (label.top + label.height + 1) * scale,
            );
          const found: string[] = [
            `size ${canvas.width} x ${canvas.height}, desktop ${image.width} x ${image.height}`,
          ];
          for (let offset = 0; offset < seen.length && found.length < 6; offset += 4) {
            const x = (offset / 4) % canvas.width;
            const y = Math.floor(offset / 4 / canvas.width);
            const differs = [0, 1, 2].some(
              (channel) => seen[offset + channel] !== expected[offset + channel],
            );
            if (differs && !inLabel(x, y)) {
              found.push(`device pixel (${x}, ${y})`);
            }
          }
          return found;
        },
        { desktop, labels, scale },
      );
      expect(differences).toEqual([
        `size ${233 * scale} x ${333 * scale}, desktop ${233 * scale} x ${333 * scale}`,
      ]);
    },
  );
});
