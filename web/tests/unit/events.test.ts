// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
import { describe, expect, it } from 'vitest';
import { parsePreset } from '../../src/events';
import { core } from '../core';

describe('a link that presets the view', () => {
  const captions = core.windowLayout().graphButtons.map((button) => button.caption);
  it.each([
    { hash: '#a=35&graph=v', acceleration: '35', button: 2 },
    { hash: '#graph=s', acceleration: null, button: 0 },
    { hash: '#graph=ekin&a=-12', acceleration: '-12', button: 1 },
    { hash: '#graph=EKin', acceleration: null, button: 1 },
    { hash: '#graph=P', acceleration: null, button: 3 },
    { hash: '#a=2%2C5', acceleration: '2,5', button: null },
    { hash: '#graph=x', acceleration: null, button: null },
    { hash: '', acceleration: null, button: null },
  ])('$hash', ({ hash, acceleration, button }) => {
    expect(parsePreset(hash, captions)).toEqual({ acceleration, button });
  });
});
