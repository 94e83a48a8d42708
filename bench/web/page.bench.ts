// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium (make bench-web): from opening the file to its first drawn
// frame, against a bare page with one button opened the same way, and from a click on "s" to
// the frame with the painted curve, against a click on the bare page's button. The times are the
// driver's: an opening runs in a fresh browser context, from its creation to the end of the
// first animation frame after the window stands, and its closing; a click, to the end of the
// next frame.
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";
import {
  afterAll,
  beforeAll,
  bench,
  describe,
} from "../../web/tests/bench_api";
import {
  launchChromium,
  pageUrl,
  type Browser,
  type Page,
} from "../../web/tests/e2e/browser";

const folder = mkdtempSync(join(tmpdir(), "page-bench-"));
const barePage = join(folder, "bare.html");
writeFileSync(
  barePage,
  '<!doctype html><html lang="de"><title>Bare</title><button id="Command1">s</button></html>',
);
const bareUrl = pathToFileURL(barePage).href;
const viewport = { width: 331, height: 333 };
const repeated = { time: 0, warmupTime: 0, warmupIterations: 2 };

let browser: Browser;
const opened = new Map<string, Page>();

function nextFrame(page: Page): Promise<void> {
  return page.evaluate(
    () =>
      new Promise<void>((resolve) => requestAnimationFrame(() => resolve())),
  );
}

async function openToFirstFrame(url: string): Promise<Page> {
  const page = await (await browser.newContext({ viewport })).newPage();
  await page.goto(url);
  await page.locator("#Command1").waitFor();
  await nextFrame(page);
  return page;
}

async function clickToFrame(url: string): Promise<void> {
  const page = opened.get(url);
  await page?.locator("#Command1").click();
  await nextFrame(page as Page);
}

beforeAll(async () => {
  browser = await launchChromium();
  for (const url of [pageUrl, bareUrl]) {
    opened.set(url, await openToFirstFrame(url));
  }
});

afterAll(async () => {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
});

describe("opening the file to the first drawn frame", () => {
  const open = async (url: string): Promise<void> =>
    (await openToFirstFrame(url)).context().close();
  bench("the program", () => open(pageUrl), { ...repeated, iterations: 20 });
  bench("a bare page with one button", () => open(bareUrl), {
    ...repeated,
    iterations: 20,
  });
});

describe("a click to the painted frame", () => {
  bench('"s" with a = 20, its curve painted', () => clickToFrame(pageUrl), {
    ...repeated,
    iterations: 50,
  });
  bench("the bare page's button", () => clickToFrame(bareUrl), {
    ...repeated,
    iterations: 50,
  });
});
