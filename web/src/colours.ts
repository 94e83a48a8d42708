// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The core names a colour by its RGB value ("#8080ff") or, where the desktop decides it, by
// role; the page takes those from the browser's system colours.
import type { ColourName } from 'page-core';
import type { Rgb } from './pixels';

const systemColours: Record<string, string> = {
  windowBackground: 'Canvas',
  windowText: 'CanvasText',
  workspace: 'GrayText',
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

function parseComputedColour(value: string): Rgb {
  const channels = /rgba?\((\d+),\s*(\d+),\s*(\d+)/.exec(value);
  return [Number(channels?.[1] ?? 0), Number(channels?.[2] ?? 0), Number(channels?.[3] ?? 0)];
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
    const probe = document.createElement('span');
    probe.style.color = keyword;
    this.probeParent.append(probe);
    const colour = parseComputedColour(getComputedStyle(probe).color);
    probe.remove();
    return colour;
  }
}
