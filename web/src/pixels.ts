// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes whole device pixels of an RGBA raster: plain fills, and the mask mode of the bands and
// bars, where each pixel becomes the channel-wise AND of the colour and the pixel beneath.
import type { PixelRect } from 'page-core';

export type Rgb = readonly [number, number, number];

/** Four bytes a pixel, red, green, blue, alpha, row by row: what ImageData holds. */
export interface Raster {
  readonly width: number;
  readonly height: number;
  readonly data: Uint8ClampedArray;
}

type PixelOperation = (data: Uint8ClampedArray, offset: number, colour: Rgb) => void;

function setPixel(data: Uint8ClampedArray, offset: number, colour: Rgb): void {
  data[offset] = colour[0];
  data[offset + 1] = colour[1];
  data[offset + 2] = colour[2];
  data[offset + 3] = 255;
}

function andPixel(data: Uint8ClampedArray, offset: number, colour: Rgb): void {
  data[offset] = (data[offset] ?? 0) & colour[0];
  data[offset + 1] = (data[offset + 1] ?? 0) & colour[1];
  data[offset + 2] = (data[offset + 2] ?? 0) & colour[2];
}

/** Applies an operation to every pixel of the rectangle that lies inside the raster. */
function eachPixel(image: Raster, rect: PixelRect, colour: Rgb, operation: PixelOperation): void {
  const left = Math.max(rect.left, 0);
  const right = Math.min(rect.left + rect.width, image.width);
  const top = Math.max(rect.top, 0);
  const bottom = Math.min(rect.top + rect.height, image.height);
  for (let y = top; y < bottom; ++y) {
    for (let x = left; x < right; ++x) {
      operation(image.data, (y * image.width + x) * 4, colour);
    }
  }
}

export function fillPixels(image: Raster, rect: PixelRect, colour: Rgb): void {
  eachPixel(image, rect, colour, setPixel);
}

export function maskPixels(image: Raster, rect: PixelRect, colour: Rgb): void {
  eachPixel(image, rect, colour, andPixel);
}

/** Fills the runs of a curve, given as left, top, width, height, left, … */
export function fillRuns(image: Raster, runs: Int32Array, colour: Rgb): void {
  for (let i = 0; i + 3 < runs.length; i += 4) {
    const rect = {
      left: runs[i] ?? 0,
      top: runs[i + 1] ?? 0,
      width: runs[i + 2] ?? 0,
      height: runs[i + 3] ?? 0,
    };
    fillPixels(image, rect, colour);
  }
}
