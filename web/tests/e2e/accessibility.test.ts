// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page for a screen reader and the keyboard: the Tab order of the desktop window, the
// panels as images with their names and descriptions, what the live region says, and axe-core.
import { createRequire } from 'node:module';
import type { Browser, Page } from 'playwright-core';
import { afterAll, beforeAll, describe, expect, it } from 'vitest';
import { core, runOutcome } from '../core';
import { launchChromium, openProgram } from './browser';
import { liveText } from './page_reading';

let browser: Browser;
beforeAll(async () => {
  browser = await launchChromium();
});
afterAll(async () => {
  await browser.close();
});

async function tabOrder(page: Page, steps: number): Promise<string[]> {
  const order: string[] = [];
  for (let step = 0; step < steps; ++step) {
    await page.keyboard.press('Tab');
    order.push(await page.evaluate(() => document.activeElement?.id ?? ''));
  }
  return order;
}

describe('the keyboard', () => {
  it("moves in the desktop window's Tab order, through the shown panel only", async () => {
    const { page } = await openProgram(browser);
    const after = ['Text1', 'Command5', 'Command6'];
    expect(await tabOrder(page, 7)).toEqual([
      'Command2',
      'Command3',
      'Command4',
      'Picture1-3',
      ...after,
    ]);
    await page.locator('#Command3').press('Space');
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('Command3');
    expect(await tabOrder(page, 5)).toEqual(['Command4', 'Picture1-0', ...after]);
  });
});

describe('a screen reader', () => {
  it('finds each panel as an image named after its quantity, described by its last run', async () => {
    const { page } = await openProgram(browser);
    await expect(page.getByRole('img', { name: 'Diagramm s über t' }).isVisible()).resolves.toBe(
      true,
    );
    await page.locator('#Command2').press('Space');
    const panel = page.getByRole('img', { name: core.windowLayout().panelNames[2] ?? '' });
    const outcome = runOutcome(1, 20);
    const description = await panel.evaluate(
      (canvas) =>
        document.getElementById(canvas.getAttribute('aria-describedby') ?? '')?.textContent,
    );
    expect(description).toBe(outcome.summary.description);
    expect(description).toContain('Formel');
    expect(await panel.getAttribute('title')).toBe(outcome.summary.written);
  });

  it('hears each run, the same run again, a reset and an overflow, with the focus staying on the button', async () => {
    const { page } = await openProgram(browser);
    const s = page.locator('#Command1');
    await s.press('Space');
    const spoken = runOutcome(0, 20).summary.spoken;
    expect(await liveText(page)).toBe(spoken);
    const replaced = await page.evaluate(() => {
      const before = document.querySelector('[role=status] p');
      (document.getElementById('Command1') as HTMLButtonElement).click();
      return document.querySelector('[role=status] p') !== before;
    });
    expect(replaced, 'a new utterance for the same words').toBe(true);
    await page.locator('#Command5').press('Space');
    expect(await liveText(page)).toBe(core.nothingDrawnSummary(3).spoken);
    await page.locator('#Text1').fill('150');
    await page.locator('#Command4').press('Space');
    expect(await liveText(page)).toBe(runOutcome(3, 150).summary.spoken);
    expect(await page.evaluate(() => document.activeElement?.id)).toBe('Command4');
  });

  it('meets axe-core without a serious or critical finding, before and after a run and a message', async () => {
    const { page } = await openProgram(browser);
    const axeSource = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
    await page.addScriptTag({ path: axeSource });
    const findings = async (): Promise<string[]> => {
      const results = await page.evaluate(() =>
        (
          window as unknown as {
            axe: { run(): Promise<{ violations: { id: string; impact: string }[] }> };
          }
        ).axe.run(),
      );
      return results.violations
        .filter((violation) => violation.impact === 'serious' || violation.impact === 'critical')
        .map((violation) => violation.id);
    };
    expect(await findings()).toEqual([]);
    await page.locator('#Text1').fill('abc');
    await page.locator('#Command1').click();
    await page.locator('[role=alert]').waitFor({ state: 'visible' });
    expect(await findings()).toEqual([]);
  });
});
