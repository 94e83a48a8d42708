// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's walk through the page, as through the desktop program: what each press shows,
// says and leaves in the box. Rows of the s-curve at column 80 (t = 0.1) are 296 - 32·a, so a =
// 35 passes (80, 184) and a = 20 passes (80, 232); the v-curve with a = 35 passes (80, 184) too.
import type { Browser, Page } from 'playwright-core';
import { afterAll, beforeAll, describe, expect, it } from 'vitest';
import { core, runOutcome } from '../core';
import { launchChromium, openProgram, type OpenedPage } from './browser';
import { isBlack, liveText, messageTexts, shownPanels, typeAcceleration } from './page_reading';

const button = { s: 0, ekin: 1, v: 2, p: 3 };
const sPanel = 3;

let browser: Browser;
beforeAll(async () => {
  browser = await launchChromium();
});
afterAll(async () => {
  await browser.close();
});

async function press(page: Page, id: string): Promise<void> {
  await page.locator(`#${id}`).click();
}

function expectCleanPage(opened: OpenedPage): void {
  expect(opened.requests, 'requests beyond the file').toEqual([]);
  expect(opened.errors, 'errors').toEqual([]);
}

describe('the learner', () => {
  it('starts on the empty s-panel with 20 in the box and the focus on "s"', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    expect(await page.locator('#Text1').inputValue()).toBe('20');
    expect(await shownPanels(page)).toEqual([sPanel]);
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('Command1');
    expect(await isBlack(page, sPanel, 80, 232)).toBe(false);
    expectCleanPage(opened);
  });

  it('plots with a typed acceleration in the same click, and curves accumulate until the panel is shown again', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    await typeAcceleration(page, '35');
    await press(page, 'Command1');
    expect(await isBlack(page, sPanel, 80, 184)).toBe(true);
    expect(await liveText(page)).toBe(runOutcome(button.s, 35).summary.spoken);
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('Command1');

    await typeAcceleration(page, '20');
    await press(page, 'Command1');
    expect([await isBlack(page, sPanel, 80, 184), await isBlack(page, sPanel, 80, 232)]).toEqual([
      true,
      true,
    ]);

    await press(page, 'Command3');
    expect(await shownPanels(page)).toEqual([0]);
    await press(page, 'Command1');
    expect([await isBlack(page, sPanel, 80, 184), await isBlack(page, sPanel, 80, 232)]).toEqual([
      false,
      true,
    ]);
    expectCleanPage(opened);
  });

  it('resets the shown panel: curves, dots and bars go, the acceleration stays', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    await press(page, 'Command1');
    await press(page, 'Command5');
    // (30, 297) lies in the first dot, (60, 281) in the first bar, (80, 232) on the curve.
    for (const [x, y] of [
      [80, 232],
      [30, 297],
      [60, 281],
    ] as const) {
      expect(await isBlack(page, sPanel, x, y), `(${x}, ${y})`).toBe(false);
    }
    expect(await liveText(page)).toBe(core.nothingDrawnSummary(sPanel).spoken);
    expect(await page.locator('#Text1').inputValue()).toBe('20');
    expectCleanPage(opened);
  });

  it('is told of a rejected text, which goes back to the last good one, and of an overflow, and goes on', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    await typeAcceleration(page, 'abc');
    await press(page, 'Command3');
    expect(await messageTexts(page)).toEqual([core.rejectedTextMessage('abc', 20)]);
    expect(await page.locator('#Text1').inputValue()).toBe('20');
    expect(await liveText(page)).toBe(runOutcome(button.v, 20).summary.spoken);
    await page.locator('[role=alert] button').click();
    expect(await page.locator('[role=alert]').isHidden()).toBe(true);

    await typeAcceleration(page, '200');
    await press(page, 'Command2');
    const overflow = runOutcome(button.ekin, 200);
    expect(await messageTexts(page)).toEqual([overflow.message]);
    expect(await liveText(page)).toBe(overflow.summary.spoken);
    expect(await shownPanels(page)).toEqual([2]);
    await page.locator('[role=alert] button').click();

    // One press that both rejects the text and overflows: both messages in one.
    await typeAcceleration(page, 'x');
    await press(page, 'Command2');
    expect(await messageTexts(page)).toEqual([
      core.rejectedTextMessage('x', 200),
      overflow.message,
    ]);
    expectCleanPage(opened);
  });

  it('presses nothing with Enter in the box, and Tab out of the box applies the text', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    await typeAcceleration(page, '35');
    await page.keyboard.press('Enter');
    await page.locator('#Label17').click();
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('Text1');
    expect(await liveText(page)).toBe('');
    await page.keyboard.press('Tab');
    await page.locator('#Command1').press('Space');
    expect(await liveText(page)).toBe(runOutcome(button.s, 35).summary.spoken);
    expectCleanPage(opened);
  });

  it('keeps the curves when the window changes its scale, drawn anew at each', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    const canvasWidth = (width: number) =>
      page.waitForFunction(
        (expected) =>
          (document.getElementById('Picture1-3') as HTMLCanvasElement).width === expected,
        width,
      );
    await page.setViewportSize({ width: 662, height: 666 });
    await canvasWidth(466);
    await press(page, 'Command1');
    await typeAcceleration(page, '35');
    await press(page, 'Command1');
    await page.setViewportSize({ width: 331, height: 333 });
    await canvasWidth(233);
    expect([await isBlack(page, sPanel, 80, 184), await isBlack(page, sPanel, 80, 232)]).toEqual([
      true,
      true,
    ]);
    expect(await isBlack(page, sPanel, 80, 250)).toBe(false);
    expectCleanPage(opened);
  });

  it('ends the program with "Ende": the controls go and a line says how to start again', async () => {
    const opened = await openProgram(browser);
    const { page } = opened;
    await press(page, 'Command1');
    await press(page, 'Command6');
    expect(await page.locator('button, input, canvas').count()).toBe(0);
    const ended = page.locator('p.ended');
    expect(await ended.innerText()).toBe(core.windowLayout().pageWords.ended);
    expect(await ended.evaluate((element) => element === document.activeElement)).toBe(true);
    await page.setViewportSize({ width: 700, height: 700 });
    await page.keyboard.press('Tab');
    expectCleanPage(opened);
  });

  it('opens a prepared view from a link', async () => {
    const opened = await openProgram(browser, { hash: '#a=35&graph=v' });
    const { page } = opened;
    expect(await page.locator('#Text1').inputValue()).toBe('35');
    expect(await shownPanels(page)).toEqual([0]);
    expect(await isBlack(page, 0, 80, 184)).toBe(true);
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('Command3');
    expectCleanPage(opened);
  });
});
