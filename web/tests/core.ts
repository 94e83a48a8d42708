// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The core in Node, for what the tests expect the page to show and say: the same words and
// content the page takes from it, computed without the page.
import createPageCore, { type PageCore, type RunOutcome } from 'page-core';

export const core: PageCore = await createPageCore();

/** What a plot run of a graph button says, run against a window system that shows nothing. */
export function runOutcome(button: number, acceleration: number): RunOutcome {
  const nowhere = core.WindowSystem.implement({
    setPanelVisible: () => undefined,
    isPanelVisible: () => false,
    setShapeVisible: () => undefined,
    setShapeTop: () => undefined,
    setShapeLeft: () => undefined,
    setShapeHeight: () => undefined,
    drawSegment: () => undefined,
    clearPanel: () => undefined,
  });
  const outcome = core.plotRun(button, acceleration, nowhere);
  nowhere.delete();
  return outcome;
}
