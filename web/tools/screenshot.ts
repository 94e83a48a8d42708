// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Takes the README's picture of the page (scripts/web/screenshot OUT.png): the window scaled
// twice in a 662 x 666 viewport, after three s-runs with a = 10, 20 and 40, as the desktop's.
// Run from the working copy's root.
import { pathToFileURL } from 'node:url';
import { launchChromium, openProgram } from '../tests/e2e/browser.js';

const output = process.argv[2] ?? 'screenshot.png';
const pageFile = pathToFileURL('dist/beschleunigungskurven.html').href;
const browser = await launchChromium();
try {
  const { page } = await openProgram(browser, { width: 662, height: 666 }, pageFile);
  for (const acceleration of ['10', '20', '40']) {
    await page.locator('#Text1').fill(acceleration);
    await page.locator('#Command1').click();
  }
  await page.screenshot({ path: output });
} finally {
  await browser.close();
}
