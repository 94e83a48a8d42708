// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium driven through playwright-core, which cannot fetch a browser of its own
// here; every test opens the built page from its file, with a fresh profile per browser.
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium, type Browser, type Page } from 'playwright-core';

export type { Browser, Page };

export const chromiumFlags = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

export const pageUrl = pathToFileURL(
  fileURLToPath(new URL('../../../dist/beschleunigungskurven.html', import.meta.url)),
).href;

/** Playwright gives the browser a fresh --user-data-dir of its own and removes it on close. */
export function launchChromium(): Promise<Browser> {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: chromiumFlags,
  });
}

export interface OpenedPage {
  page: Page;
  /** Every request the page made beyond its own file and the data it carries inline. */
  requests: string[];
  /** Errors on the console and uncaught exceptions. */
  errors: string[];
}

export interface PageView {
  deviceScaleFactor?: number;
  width?: number;
  height?: number;
  hash?: string;
}

export async function openProgram(
  browser: Browser,
  view: PageView = {},
  url = pageUrl,
): Promise<OpenedPage> {
  const context = await browser.newContext({
    deviceScaleFactor: view.deviceScaleFactor ?? 1,
    viewport: { width: view.width ?? 331, height: view.height ?? 333 },
  });
  const page = await context.newPage();
  const opened: OpenedPage = { page, requests: [], errors: [] };
  page.on('request', (request) => {
    const requested = request.url();
    if (!requested.startsWith(url) && !requested.startsWith('data:')) {
      opened.requests.push(requested);
    }
  });
  page.on('console', (message) => {
    if (message.type() === 'error') {
      opened.errors.push(message.text());
    }
  });
  page.on('pageerror', (error) => opened.errors.push(error.message));
  await page.goto(`${url}${view.hash ?? ''}`);
  await page.locator('#Command1').waitFor();
  return opened;
}
