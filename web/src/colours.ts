// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The core names a colour by its RGB value ("#8080ff") or, where the desktop decides it, by
// role; the page takes those from the browser's system colours.
import type { ColourName } from 'page-core';
import type { Rgb } from './pixels';

// The desktop's roles in the browser's system colours. CSS has no application workspace (its
// old AppWorkspace is plain white now), so that mid grey is mixed from the window's background
// and text, as light as the desktop's usual scheme has it: lighter than the outer grid lines'
// fixed grey, so that the middle group of grid lines stands apart from them.
const systemColours: Record<string, string> = {
  windowBackground: 'Canvas',
  windowText: 'CanvasText',
  workspace: 'color-mix(in srgb, CanvasText 28%, Canvas)',
};

export function parseHexColour(name: string): Rgb | null {
  const match = /^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$/i.exec(name);
  if (!match) {
    return null;
  }
  return [
    parseInt(match[1] ?? '0', 16),
    parseInt(match[2] ?? '0', 16),
    parseInt(match[3] ?? '0', 16),
  ];
}

/** Resolves colour names, reading each system colour once from an element of the page. */
export class ColourResolver {
  private readonly resolved = new Map<ColourName, Rgb>();

  constructor(private readonly probeParent: HTMLElement) {}

  rgb(name: ColourName): Rgb {
    let colour = this.resolved.get(name);
    if (!colour) {
      colour = parseHexColour(name) ?? this.systemColour(name);
      this.resolved.set(name, colour);
    }
    return colour;
  }

  css(name: ColourName): string {
    return `rgb(${this.rgb(name).join(' ')})`;
  }

  private systemColour(role: string): Rgb {
    const keyword = systemColours[role];
    if (keyword === undefined) {
      throw new Error(`unknown colour ${role}`);
    }
    // The computed colour may be written in any CSS syntax; one pixel painted with it is RGB.
    const probe = document.createElement('span');
    probe.style.color = keyword;
    this.probeParent.append(probe);
    const computed = getComputedStyle(probe).color;
    probe.remove();
    const context = document.createElement('canvas').getContext('2d', { willReadFrequently: true });
    if (!context) {
      throw new Error('no 2D canvas');
    }
    context.fillStyle = computed;
    context.fillRect(0, 0, 1, 1);
    const [red = 0, green = 0, blue = 0] = context.getImageData(0, 0, 1, 1).data;
    return [red, green, blue];
  }
}
