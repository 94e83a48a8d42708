// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the learner sees of the page, read back from it: pixels of a panel's canvas at logical
// panel positions, the shown panel, the live region, the message.
import type { Page } from 'playwright-core';

export type Rgb = [number, number, number];

/**
 * The device pixels under the centres of logical panel pixels: at scale s the logical pixel
 * (x, y) covers device pixels from s·x, and its centre lies in floor((x + 0.5)·s).
 */
export function panelPixels(
  page: Page,
  panel: number,
  points: readonly (readonly [number, number])[],
): Promise<Rgb[]> {
  return page.evaluate(
    ({ id, points }) => {
      const canvas = document.getElementById(id) as HTMLCanvasElement;
      const scale = canvas.width / 233;
      const context = canvas.getContext('2d');
      return points.map(([x, y]) => {
        const pixel = context?.getImageData(
          Math.floor((x + 0.5) * scale),
          Math.floor((y + 0.5) * scale),
          1,
          1,
        ).data;
        return [pixel?.[0] ?? -1, pixel?.[1] ?? -1, pixel?.[2] ?? -1] as [number, number, number];
      });
    },
    { id: `Picture1-${panel}`, points },
  );
}

export async function isBlack(page: Page, panel: number, x: number, y: number): Promise<boolean> {
  const [pixel] = await panelPixels(page, panel, [[x, y]]);
  return pixel?.every((channel) => channel === 0) ?? false;
}

/** The indices of the panels that show. */
export function shownPanels(page: Page): Promise<number[]> {
  return page.evaluate(() =>
    [0, 1, 2, 3].filter(
      (index) => !(document.getElementById(`Picture1-${index}`) as HTMLElement).hidden,
    ),
  );
}

export function liveText(page: Page): Promise<string> {
  return page.locator('[role=status]').innerText();
}

/** The paragraphs of the message, once it shows. */
export async function messageTexts(page: Page): Promise<string[]> {
  const message = page.locator('[role=alert]');
  await message.waitFor({ state: 'visible' });
  return message.locator('p').allInnerTexts();
}

export async function typeAcceleration(page: Page, text: string): Promise<void> {
  await page.locator('#Text1').click();
  await page.keyboard.press('Control+A');
  await page.keyboard.type(text);
}
