// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page is built into one HTML file that holds its script, styles and the core's wasm; the
// core comes from the emscripten build in build-web/ (make web).
import { fileURLToPath } from 'node:url';
import { defineConfig } from 'vitest/config';
import { viteSingleFile } from 'vite-plugin-singlefile';

const repository = fileURLToPath(new URL('..', import.meta.url));

export default defineConfig({
  resolve: { alias: { 'page-core': `${repository}build-web/bin/page-core.js` } },
  build: {
    outDir: `${repository}dist`,
    emptyOutDir: false,
    target: 'es2022',
    rollupOptions: { input: 'beschleunigungskurven.html' },
  },
  plugins: [viteSingleFile({ removeViteModuleLoader: true })],
  test: {
    // The end-to-end files share one browser at a time; the others are quick either way.
    fileParallelism: false,
    projects: [
      { extends: true, test: { name: 'unit', include: ['tests/unit/**/*.test.ts'] } },
      {
        extends: true,
        test: { name: 'trace', include: ['tests/trace/**/*.test.ts'], testTimeout: 60_000 },
      },
      {
        extends: true,
        test: {
          name: 'e2e',
          include: ['tests/e2e/**/*.test.ts'],
          testTimeout: 60_000,
          hookTimeout: 60_000,
        },
      },
      {
        extends: true,
        test: {
          name: 'bench',
          benchmark: { include: ['../bench/web/*.bench.ts'] },
          hookTimeout: 60_000,
        },
      },
    ],
  },
});
