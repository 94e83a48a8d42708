// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The panels' pixels at the positions the desktop's panel tests check (tests/panels/), at a
// device pixel ratio of 1 and 2 and with the window scaled twice (a viewport of 662 x 666):
// each logical pixel is a block of device pixels, checked under its centre.
import type { Browser, Page } from 'playwright-core';
import { afterAll, beforeAll, describe, expect, it } from 'vitest';
import { core } from '../core';
import { launchChromium, openProgram } from './browser';
import { panelPixels, type Rgb } from './page_reading';

const views = [
  { name: 'ratio 1', deviceScaleFactor: 1, width: 331, height: 333, scale: 1 },
  { name: 'ratio 2', deviceScaleFactor: 2, width: 331, height: 333, scale: 2 },
  { name: 'zoom 2', deviceScaleFactor: 1, width: 662, height: 666, scale: 2 },
];

const black: Rgb = [0, 0, 0];
const band: Rgb = [192, 192, 192];
const grid: Rgb = [128, 128, 128];
const bar: Rgb = [128, 128, 255];
const outline: Rgb = [0, 0, 128];

function masked(beneath: Rgb, mask: Rgb): Rgb {
  return [beneath[0] & mask[0], beneath[1] & mask[1], beneath[2] & mask[2]];
}

type Row = [name: string, x: number, y: number, expected: Rgb];

async function expectPixels(page: Page, panel: number, rows: Row[]): Promise<void> {
  const seen = await panelPixels(
    page,
    panel,
    rows.map(([, x, y]) => [x, y] as const),
  );
  expect(
    Object.fromEntries(rows.map(([name, x, y], i) => [`${name} (${x}, ${y})`, seen[i]])),
  ).toEqual(
    Object.fromEntries(rows.map(([name, x, y, expected]) => [`${name} (${x}, ${y})`, expected])),
  );
}

function systemColour(page: Page, keyword: string): Promise<Rgb> {
  return page.evaluate((colour) => {
    const probe = document.body.appendChild(document.createElement('span'));
    probe.style.color = colour;
    const channels = getComputedStyle(probe).color.match(/\d+/g)?.map(Number) ?? [];
    probe.remove();
    return [channels[0] ?? -1, channels[1] ?? -1, channels[2] ?? -1] as Rgb;
  }, keyword);
}

let browser: Browser;
beforeAll(async () => {
  browser = await launchChromium();
});
afterAll(async () => {
  await browser.close();
});

describe.each(views)('the s-panel at $name', (view) => {
  let page: Page;
  let white: Rgb;
  let workspace: Rgb;
  beforeAll(async () => {
    ({ page } = await openProgram(browser, view));
    white = await systemColour(page, 'Canvas');
    [workspace] = (await panelPixels(page, 3, [[80, 250]])) as [Rgb];
  });

  // The desktop's application workspace: a grey of its own, apart from the outer grid lines.
  it('draws the vertical grid lines in a mid grey lighter than the outer grid lines', () => {
    const [red, green, blue] = workspace;
    expect([green, blue]).toEqual([red, red]);
    expect(red).toBeGreaterThan(grid[0]);
    expect(red).toBeLessThan(band[0]);
  });

  it('has a canvas of device pixels that covers exactly its box on the screen', async () => {
    const size = await page.locator('#Picture1-3').evaluate((canvas: HTMLCanvasElement) => {
      const box = canvas.getBoundingClientRect();
      return [
        canvas.width,
        canvas.height,
        box.width * devicePixelRatio,
        box.height * devicePixelRatio,
      ];
    });
    expect(size).toEqual([233 * view.scale, 333 * view.scale, 233 * view.scale, 333 * view.scale]);
  });

  it('shows the static diagram where the tables put it', async () => {
    await expectPixels(page, 3, [
      ['time axis', 100, 296, black],
      ['time axis, second row', 100, 295, black],
      ['under the time axis', 100, 297, white],
      ['time axis end', 200, 296, black],
      ['beyond the time axis', 201, 296, white],
      ['value axis', 32, 150, black],
      ['value axis, second column', 31, 150, black],
      ['value axis top', 32, 24, black],
      ['above the value axis', 32, 23, white],
      ['vertical grid line', 80, 250, workspace],
      ['grid line in the middle group', 150, 104, workspace],
      ['grid line in the lower group', 150, 264, grid],
      ['grid line end', 192, 264, grid],
      ['beyond the grid line', 193, 264, white],
      ['band over the first interval', 44, 250, band],
      ['band meets a grid line', 44, 264, masked(band, grid)],
      ['band ends at column 56', 57, 250, white],
      ['second band', 120, 250, band],
      ['plain surface', 150, 250, white],
    ]);
  });

  // After "s" with a = 20 the first bar has Top 280 and Height 16 and the first dot Left 30 and
  // Top 292, as in the desktop's bar and dot tests; the curve passes none of these pixels.
  it('masks with the bars and paints the dots of a run', async () => {
    await page.locator('#Command1').click();
    await expectPixels(page, 3, [
      ['first row of the bar is its outline', 60, 280, outline],
      ['second row of the bar', 60, 281, bar],
      ['row 294 of the bar', 60, 294, bar],
      ['axis stays black under the bar', 60, 295, black],
      ['row above the bar', 60, 279, white],
      ['right end column 184 is the outline', 184, 290, outline],
      ['column 183', 183, 290, bar],
      ['column 185 is outside', 185, 290, white],
      ['first column stays the axis', 32, 290, black],
      ['grid line under the bar', 80, 290, masked(workspace, bar)],
      ['grid line under the outline', 80, 280, masked(workspace, outline)],
      ['band over the bar is darker', 44, 290, masked(band, bar)],
      ['band over the outline', 44, 280, masked(band, outline)],
      ['disc left of the axes crossing', 30, 297, black],
      ['disc below it', 32, 298, black],
      ['corner stays clear', 34, 298, white],
      ['right of the disc', 35, 297, white],
      ['above the disc, in band and bar', 34, 293, masked(band, bar)],
    ]);
  });

  it('marks the focused panel with a dotted frame on its outermost pixels', async () => {
    await page.locator('#Picture1-3').focus();
    const text = await systemColour(page, 'CanvasText');
    await expectPixels(page, 3, [
      ['corner', 0, 0, text],
      ['next to the corner', 1, 0, white],
      ['every other one', 2, 0, text],
      ['bottom right', 232, 332, text],
      ['one above it', 232, 331, white],
      ['inside the frame', 1, 1, white],
    ]);
  });
});

// The middle of a tick label's dark rows stands level with the grid line it names, 8 rows
// below the label's top, within a pixel and a half, as on the desktop.
describe('tick labels', () => {
  it.each([0, 1, 2, 3])('stand level with their grid lines on panel %i', async (panel) => {
    const { page } = await openProgram(browser);
    const button = core.windowLayout().panelOfButton.indexOf(panel);
    await page.locator(`#Command${button + 1}`).click();
    const ticks = core
      .panelScene(panel, 1)
      .labels.filter((label) => !label.bold && label.top < 296);
    expect(ticks.length).toBeGreaterThan(3);
    for (const label of ticks) {
      const rows = await page
        .locator(`#Picture1-${panel}`)
        .evaluate((canvas: HTMLCanvasElement, area) => {
          const pixels =
            canvas.getContext('2d')?.getImageData(area.left, area.top, area.width, area.height)
              .data ?? [];
          const dark: number[] = [];
          for (let offset = 0; offset < pixels.length; offset += 4) {
            if (
              (pixels[offset] ?? 255) + (pixels[offset + 1] ?? 255) + (pixels[offset + 2] ?? 255) <
              384
            ) {
              dark.push(area.top + Math.floor(offset / 4 / area.width));
            }
          }
          return dark;
        }, label);
      expect(rows.length, `text of "${label.text}"`).toBeGreaterThan(0);
      const middle = (Math.min(...rows) + Math.max(...rows)) / 2;
      expect(
        Math.abs(middle - (label.top + 8)),
        `"${label.text}" rows ${rows[0]} to ${rows.at(-1)}`,
      ).toBeLessThanOrEqual(1.5);
    }
  });
});
