// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
import { describe, expect, it } from 'vitest';
import { fillPixels, maskPixels, type Raster, type Rgb } from '../../src/pixels';

function raster(width: number, height: number, colour: Rgb): Raster {
  const data = new Uint8ClampedArray(width * height * 4);
  for (let offset = 0; offset < data.length; offset += 4) {
    data.set([...colour, 255], offset);
  }
  return { width, height, data };
}

function pixel(image: Raster, x: number, y: number): number[] {
  const offset = (y * image.width + x) * 4;
  return [...image.data.subarray(offset, offset + 3)];
}

const white: Rgb = [255, 255, 255];
const band: Rgb = [192, 192, 192];
const bar: Rgb = [128, 128, 255];

describe('mask mode', () => {
  // Each channel ANDed by hand: 192 & 128 = 128, 192 & 255 = 192, 128 & 255 = 128.
  it.each([
    {
      name: 'band on white shows the band',
      beneath: white,
      masks: [band],
      expected: [192, 192, 192],
    },
    {
      name: 'band over bar is darker',
      beneath: white,
      masks: [band, bar],
      expected: [128, 128, 192],
    },
    {
      name: 'the order does not matter',
      beneath: white,
      masks: [bar, band],
      expected: [128, 128, 192],
    },
    { name: 'black stays black', beneath: [0, 0, 0] as Rgb, masks: [bar], expected: [0, 0, 0] },
    {
      name: 'a grey grid line shows through',
      beneath: [128, 128, 128] as Rgb,
      masks: [bar],
      expected: [128, 128, 128],
    },
  ])('$name', ({ beneath, masks, expected }) => {
    const image = raster(3, 3, beneath);
    masks.forEach((colour) => maskPixels(image, { left: 1, top: 1, width: 1, height: 1 }, colour));
    expect(pixel(image, 1, 1)).toEqual(expected);
    expect(pixel(image, 0, 1)).toEqual([...beneath]);
  });
});

describe('a fill', () => {
  it('keeps to the raster where a rectangle reaches beyond it', () => {
    const image = raster(4, 4, white);
    fillPixels(image, { left: -2, top: 3, width: 4, height: 10 }, [0, 0, 0]);
    const black = [0, 1, 2, 3].flatMap((y) =>
      [0, 1, 2, 3].filter((x) => pixel(image, x, y)[0] === 0).map((x) => `${x},${y}`),
    );
    expect(black).toEqual(['0,3', '1,3']);
  });
});
