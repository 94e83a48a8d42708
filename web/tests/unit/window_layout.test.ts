// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
import { describe, expect, it } from 'vitest';
import { scaleFactor } from '../../src/window_layout';

describe('scaleFactor', () => {
  const window = { width: 331, height: 333 };
  it.each([
    { name: 'exactly the window', width: 331, height: 333, factor: 1 },
    { name: 'smaller than the window', width: 200, height: 150, factor: 1 },
    { name: 'twice the window', width: 662, height: 666, factor: 2 },
    { name: 'one pixel short of twice', width: 662, height: 665, factor: 1 },
    { name: 'a laptop', width: 800, height: 700, factor: 2 },
    { name: 'the narrower side decides', width: 1920, height: 1000, factor: 3 },
    { name: 'a projector at full height', width: 1920, height: 1080, factor: 3 },
  ])('$name: $width x $height', ({ width, height, factor }) => {
    expect(scaleFactor(window, width, height)).toBe(factor);
  });
});
