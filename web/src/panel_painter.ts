// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// One graph panel in a canvas at the device resolution, painted as the desktop paints it: the
// static diagram with the curves drawn into it, then the bars ANDed over that, the dots, and the
// focus mark. Every pixel position comes from the core's device-pixel rules.
import type {
  ColourName,
  CurvePen,
  FilledPixels,
  LabelText,
  MaskedPixels,
  PageCore,
} from 'page-core';
import type { ColourResolver } from './colours';
import { fillPixels, fillRuns, maskPixels, type Raster } from './pixels';

const fontFamily = 'Arial, "Liberation Sans", Helvetica, sans-serif';
// The window's own font, which the platform decides on the desktop, for the one label that has
// none of its own: 9 pt at 96 dots per inch, as most desktops have it.
const defaultFontPixels = 12;

interface Marker {
  visible: boolean;
  left: number;
  top: number;
  height: number;
}

function copyRaster(raster: ImageData): ImageData {
  return new ImageData(new Uint8ClampedArray(raster.data), raster.width, raster.height);
}

export class PanelPainter {
  private scale = 0;
  private background: ImageData | null = null; // the static diagram alone
  private curveColour: ColourName = '';
  // The static diagram with the curves drawn into it; none while there are no curves.
  private picture: ImageData | null = null;
  private pen: CurvePen | null = null;
  private readonly markers = new Map<number, Marker>();
  private shown = true;
  private needsPaint = true;
  /** Accelerations of the curves on the panel, each once, in the order first drawn. */
  readonly drawnAccelerations: number[] = [];

  constructor(
    private readonly core: PageCore,
    readonly index: number,
    readonly canvas: HTMLCanvasElement,
    private readonly size: { width: number; height: number },
    markerShapes: readonly number[],
    private readonly colours: ColourResolver,
  ) {
    for (const shape of markerShapes) {
      this.markers.set(shape, { visible: true, ...core.markerStart(index, shape) });
    }
    canvas.addEventListener('focus', () => this.repaint());
    canvas.addEventListener('blur', () => this.repaint());
  }

  get isShown(): boolean {
    return this.shown;
  }

  /** Moves to another device scale; the curves go and are drawn again by the caller. */
  setScale(scale: number): void {
    if (scale === this.scale) {
      return;
    }
    this.scale = scale;
    this.background = null;
    this.pen?.delete();
    this.pen = new this.core.CurvePen(scale);
    this.forgetCurves();
    this.invalidate();
  }

  /** Showing a hidden panel brings it back without its earlier curves. */
  setShown(visible: boolean): void {
    if (visible && !this.shown) {
      this.clearCurves();
    }
    this.shown = visible;
    this.canvas.hidden = !visible;
    this.invalidate();
  }

  setMarker(shape: number, change: Partial<Marker>): void {
    const marker = this.markers.get(shape);
    if (marker) {
      Object.assign(marker, change);
      this.invalidate();
    }
  }

  drawSegment(x1: number, y1: number, x2: number, y2: number): void {
    const runs = this.pen?.draw(x1, y1, x2, y2);
    if (runs && runs.length > 0) {
      this.picture ??= copyRaster(this.staticDiagram());
      fillRuns(this.picture, runs, this.colours.rgb(this.curveColour));
      this.invalidate();
    }
  }

  clearCurves(): void {
    this.forgetCurves();
    this.invalidate();
  }

  addDrawnAcceleration(acceleration: number): void {
    if (!this.drawnAccelerations.includes(acceleration)) {
      this.drawnAccelerations.push(acceleration);
    }
  }

  /** Puts the panel into its canvas if anything changed since it was last painted. */
  paint(): void {
    if (!this.needsPaint || !this.shown) {
      return;
    }
    const frame = copyRaster(this.picture ?? this.staticDiagram());
    this.paintMarkers(frame);
    if (document.activeElement === this.canvas) {
      this.fill(frame, this.core.focusMarkPixels(this.scale));
    }
    if (this.canvas.width !== frame.width || this.canvas.height !== frame.height) {
      this.canvas.width = frame.width;
      this.canvas.height = frame.height;
    }
    this.canvas.getContext('2d')?.putImageData(frame, 0, 0);
    this.needsPaint = false;
  }

  release(): void {
    this.pen?.delete();
    this.pen = null;
  }

  private invalidate(): void {
    this.needsPaint = true;
  }

  private repaint(): void {
    this.invalidate();
    this.paint();
  }

  private forgetCurves(): void {
    this.picture = null;
    this.drawnAccelerations.length = 0;
    this.pen?.lift();
  }

  private staticDiagram(): ImageData {
    this.background ??= this.renderStaticDiagram();
    return this.background;
  }

  private renderStaticDiagram(): ImageData {
    const scene = this.core.panelScene(this.index, this.scale);
    this.curveColour = scene.curveColour;
    const width = Math.round(this.size.width * this.scale);
    const height = Math.round(this.size.height * this.scale);
    const drawing = document.createElement('canvas');
    drawing.width = width;
    drawing.height = height;
    const context = drawing.getContext('2d', { willReadFrequently: true });
    if (!context) {
      throw new Error('no 2D canvas');
    }
    context.fillStyle = this.colours.css(scene.background);
    context.fillRect(0, 0, width, height);
    const diagram = context.getImageData(0, 0, width, height);
    scene.lines.forEach((line) => this.fill(diagram, line));
    context.putImageData(diagram, 0, 0);
    context.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    for (const label of scene.labels) {
      this.drawLabel(context, label, scene.background, scene.textColour, scene.labelTextMiddle);
    }
    const withLabels = context.getImageData(0, 0, width, height);
    scene.bands.forEach((band) => this.mask(withLabels, band));
    return withLabels;
  }

  private drawLabel(
    context: CanvasRenderingContext2D,
    label: LabelText,
    background: string,
    text: string,
    textMiddle: number,
  ): void {
    context.fillStyle = this.colours.css(background);
    context.fillRect(label.left, label.top, label.width, label.height);
    context.font = `${label.bold ? 'bold ' : ''}${label.fontPixels ?? defaultFontPixels}px ${fontFamily}`;
    // As the desktop places it: the middle of the capitals textMiddle rows below the top.
    const capitals = Math.round(context.measureText('H').actualBoundingBoxAscent);
    context.fillStyle = this.colours.css(text);
    context.fillText(
      label.text,
      label.left,
      label.top + textMiddle + Math.floor((capitals + 1) / 2),
    );
  }

  private paintMarkers(frame: Raster): void {
    for (const [shape, marker] of this.markers) {
      if (marker.visible && this.core.isBar(shape)) {
        this.mask(
          frame,
          this.core.barPixels(this.index, shape, marker.top, marker.height, this.scale),
        );
      }
    }
    for (const [shape, marker] of this.markers) {
      if (marker.visible && !this.core.isBar(shape)) {
        this.fill(frame, this.core.dotPixels(marker.left, marker.top, this.scale));
      }
    }
  }

  private fill(raster: Raster, filled: FilledPixels): void {
    const colour = this.colours.rgb(filled.colour);
    filled.pixels.forEach((rect) => fillPixels(raster, rect, colour));
  }

  private mask(raster: Raster, masked: MaskedPixels): void {
    for (const part of [masked.outline, masked.fill]) {
      const colour = this.colours.rgb(part.colour);
      part.pixels.forEach((rect) => maskPixels(raster, rect, colour));
    }
  }
}
