// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The four graph panels behind one object: the window system the core's plot runs and resets
// act through, as the desktop's panel board is for the Qt window.
import type { CoreObject, PageCore, WindowSystemCallbacks } from 'page-core';
import type { PanelPainter } from './panel_painter';

export class PanelBoard implements WindowSystemCallbacks {
  readonly windows: CoreObject;

  constructor(
    private readonly core: PageCore,
    private readonly panels: readonly PanelPainter[],
    private readonly panelOfButton: readonly number[],
  ) {
    this.windows = core.WindowSystem.implement(this);
  }

  setPanelVisible(panel: number, visible: boolean): void {
    this.panel(panel).setShown(visible);
  }

  isPanelVisible(panel: number): boolean {
    return this.panel(panel).isShown;
  }

  setShapeVisible(shape: number, panel: number, visible: boolean): void {
    this.panel(panel).setMarker(shape, { visible });
  }

  setShapeTop(shape: number, panel: number, top: number): void {
    this.panel(panel).setMarker(shape, { top });
  }

  setShapeLeft(shape: number, panel: number, left: number): void {
    this.panel(panel).setMarker(shape, { left });
  }

  setShapeHeight(shape: number, panel: number, height: number): void {
    this.panel(panel).setMarker(shape, { height });
  }

  drawSegment(panel: number, x1: number, y1: number, x2: number, y2: number): void {
    this.panel(panel).drawSegment(x1, y1, x2, y2);
  }

  clearPanel(panel: number): void {
    this.panel(panel).clearCurves();
  }

  /** Remembers the acceleration of a run that drew, to draw its curve again at another scale. */
  addDrawnAcceleration(button: number, acceleration: number): void {
    this.panel(this.panelOfButton[button] ?? -1).addDrawnAcceleration(acceleration);
  }

  /**
   * Moves every panel to another device scale. A curve depends only on its graph and
   * acceleration, so the curves come back by running their plot runs again, onto a window
   * system that passes on nothing but their segments.
   */
  setScale(scale: number): void {
    this.panels.forEach((panel) => {
      const accelerations = [...panel.drawnAccelerations];
      panel.setScale(scale);
      const button = this.panelOfButton.indexOf(panel.index);
      accelerations.forEach((acceleration) => this.redraw(panel, button, acceleration));
    });
    this.paint();
  }

  /** Puts every changed panel on the screen: what a handler did shows when it ends. */
  paint(): void {
    this.panels.forEach((panel) => panel.paint());
  }

  release(): void {
    this.windows.delete();
    this.panels.forEach((panel) => panel.release());
  }

  private redraw(panel: PanelPainter, button: number, acceleration: number): void {
    const segmentsOnly = this.core.WindowSystem.implement({
      setPanelVisible: () => undefined,
      isPanelVisible: () => false,
      setShapeVisible: () => undefined,
      setShapeTop: () => undefined,
      setShapeLeft: () => undefined,
      setShapeHeight: () => undefined,
      drawSegment: (_index, x1, y1, x2, y2) => panel.drawSegment(x1, y1, x2, y2),
      clearPanel: () => undefined,
    });
    this.core.plotRun(button, acceleration, segmentsOnly);
    segmentsOnly.delete();
    panel.addDrawnAcceleration(acceleration);
  }

  private panel(index: number): PanelPainter {
    const panel = this.panels[index];
    if (!panel) {
      throw new RangeError(`no panel ${index}`);
    }
    return panel;
  }
}
