// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the core's wasm module (web/wasm/page_core.cpp, built into build-web/) exports. All
// geometry is in window or panel pixels unless a name says device pixels; texts are German.

/** The operations a plot run and a reset call, with the shape as the number in its name. */
export interface WindowSystemCallbacks {
  setPanelVisible(panel: number, visible: boolean): void;
  isPanelVisible(panel: number): boolean;
  setShapeVisible(shape: number, panel: number, visible: boolean): void;
  setShapeTop(shape: number, panel: number, top: number): void;
  setShapeLeft(shape: number, panel: number, left: number): void;
  setShapeHeight(shape: number, panel: number, height: number): void;
  drawSegment(panel: number, x1: number, y1: number, x2: number, y2: number): void;
  clearPanel(panel: number): void;
}

/** A C++ object owned by the page until it calls delete(). */
export interface CoreObject {
  delete(): void;
}

export interface CurvePen extends CoreObject {
  /** The device pixels of one segment as runs: left, top, width, height, left, … */
  draw(x1: number, y1: number, x2: number, y2: number): Int32Array;
  lift(): void;
}

/** A colour: "#rrggbb", or the desktop's own by role. */
export type ColourName = string;

export interface Control {
  name: string;
  caption: string;
  left: number;
  top: number;
  width: number;
  height: number;
  fontPixels: number;
  spoken: string;
}

export interface WindowLayout {
  width: number;
  height: number;
  caption: string;
  startAcceleration: number;
  graphButtons: Control[];
  command5: Control;
  label17: Control;
  text1: Control;
  command6: Control;
  panelWidth: number;
  panelHeight: number;
  panelTabOrder: number[];
  firstPanel: number;
  /** The panel each graph button draws on, Command1 to Command4. */
  panelOfButton: number[];
  /** The dots and bars of a panel, Shape3 to Shape8, by the number in their names. */
  markerShapes: number[];
  panelNames: string[];
  buttonFace: ColourName;
  bevelLight: ColourName;
  bevelDark: ColourName;
  bevelShadow: ColourName;
  textBoxBackground: ColourName;
  pageWords: { ended: string; close: string };
}

export interface PixelRect {
  left: number;
  top: number;
  width: number;
  height: number;
}

export interface FilledPixels {
  pixels: PixelRect[];
  colour: ColourName;
}

/** A band or bar: its pixels ANDed with what lies beneath, outline and fill each once. */
export interface MaskedPixels {
  outline: FilledPixels;
  fill: FilledPixels;
}

export interface LabelText {
  text: string;
  left: number;
  top: number;
  width: number;
  height: number;
  /** null for the window's own font */
  fontPixels: number | null;
  bold: boolean;
}

export interface PanelScene {
  background: ColourName;
  textColour: ColourName;
  curveColour: ColourName;
  lines: FilledPixels[];
  labels: LabelText[];
  bands: MaskedPixels[];
  /** Rows from a label's top edge to the middle of its capitals. */
  labelTextMiddle: number;
}

export interface Summary {
  written: string;
  spoken: string;
  /** The panel's description: the spoken summary and the formula in words. */
  description: string;
}

export interface RunOutcome {
  summary: Summary;
  /** The overflow's message; absent after a run that drew. */
  message?: string;
}

export interface PageCore {
  WindowSystem: { implement(callbacks: WindowSystemCallbacks): CoreObject };
  CurvePen: new (scale: number) => CurvePen;
  windowLayout(): WindowLayout;
  panelScene(panel: number, scale: number): PanelScene;
  /** The initial Left, Top and Height of the marker Shape3 … Shape8 of a panel. */
  markerStart(panel: number, shape: number): { left: number; top: number; height: number };
  isBar(shape: number): boolean;
  barPixels(panel: number, shape: number, top: number, height: number, scale: number): MaskedPixels;
  dotPixels(left: number, top: number, scale: number): FilledPixels;
  focusMarkPixels(scale: number): FilledPixels;
  textToAcceleration(text: string): number | null;
  rejectedTextMessage(text: string, keptAcceleration: number): string;
  plotRun(button: number, acceleration: number, windows: CoreObject): RunOutcome;
  /** The panel reset, with its summary, or null when no panel was shown. */
  resetVisiblePanel(windows: CoreObject): { panel: number; summary: Summary } | null;
  nothingDrawnSummary(panel: number): Summary;
}

export default function createPageCore(): Promise<PageCore>;
