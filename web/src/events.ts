// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's events wired to the window's handlers: validation when the focus leaves the box
// for another control of the window, the six buttons, the message, the scale, and a prepared
// view from the link.
import type { WindowLayout } from 'page-core';
import type { PanelBoard } from './panel_board';
import type { Program } from './program';
import { scaleFactor, type WindowElements } from './window_layout';

/** What a link may preset after "#": a=35&graph=v. */
export interface PresetView {
  acceleration: string | null;
  button: number | null;
}

/** Graph names in a link are the button captions without blanks, in any case: s, ekin, v, p. */
export function parsePreset(hash: string, captions: readonly string[]): PresetView {
  const parameters = new URLSearchParams(hash.replace(/^#/, ''));
  const graph = parameters.get('graph')?.toLowerCase();
  const button = captions.findIndex(
    (caption) => caption.replace(/\s/g, '').toLowerCase() === graph,
  );
  return { acceleration: parameters.get('a'), button: button >= 0 ? button : null };
}

export class WindowEvents {
  private readonly listening = new AbortController();
  private boxHoldsFocus = false;
  private pointerDown = false;
  private messageTimer: ReturnType<typeof setTimeout> | undefined;

  constructor(
    private readonly program: Program,
    private readonly elements: WindowElements,
    private readonly layout: WindowLayout,
    private readonly board: PanelBoard,
    private readonly end: () => void,
  ) {}

  wire(): void {
    const signal = this.listening.signal;
    const { root, text1, graphButtons, command5, command6, messageClose } = this.elements;
    root.addEventListener('focusin', (event) => this.focusMoved(event.target), { signal });
    root.addEventListener('mousedown', (event) => this.keepFocusOffControls(event), { signal });
    text1.ownerDocument.addEventListener('pointerdown', () => (this.pointerDown = true), {
      signal,
      capture: true,
    });
    for (const end of ['pointerup', 'pointercancel']) {
      text1.ownerDocument.addEventListener(end, () => this.pointerReleased(), {
        signal,
        capture: true,
      });
    }
    graphButtons.forEach((button, index) =>
      this.onClick(button, () => this.program.plotGraph(index)),
    );
    this.onClick(command5, () => this.program.resetVisiblePanel());
    this.onClick(command6, () => this.end());
    messageClose.addEventListener('click', () => this.program.closeMessage(), { signal });
    this.followScale();
  }

  /** Shows the view a link asks for: its acceleration typed into the box, its graph plotted. */
  applyPreset(preset: PresetView): void {
    if (preset.acceleration !== null) {
      this.elements.text1.value = preset.acceleration;
      this.program.validateText1();
    }
    const button = preset.button === null ? undefined : this.elements.graphButtons[preset.button];
    (button ?? this.elements.graphButtons[0])?.focus();
    if (preset.button !== null) {
      this.program.plotGraph(preset.button);
    }
    this.showMessagesSoon();
  }

  unwire(): void {
    this.listening.abort();
    clearTimeout(this.messageTimer);
  }

  private onClick(button: HTMLButtonElement, handler: () => void): void {
    button.addEventListener(
      'click',
      () => {
        // Where a click does not move the focus (some browsers leave it in the box), the box is
        // validated here, before the button's handler, as a move of the focus would have done.
        this.validateIfBoxWasLeft();
        button.focus({ preventScroll: true });
        handler();
        this.showMessagesSoon();
      },
      { signal: this.listening.signal },
    );
  }

  private focusMoved(target: EventTarget | null): void {
    if (target === this.elements.text1) {
      this.boxHoldsFocus = true;
      return;
    }
    this.validateIfBoxWasLeft();
    this.showMessagesSoon();
  }

  private validateIfBoxWasLeft(): void {
    if (this.boxHoldsFocus) {
      this.boxHoldsFocus = false;
      this.program.validateText1();
    }
  }

  /** A press on a label or the window's background leaves the focus where it was. */
  private keepFocusOffControls(event: MouseEvent): void {
    const target = event.target as HTMLElement | null;
    if (target && !target.matches('button, input, canvas')) {
      event.preventDefault();
    }
  }

  /**
   * Messages appear when the interaction that caused them has ended: after the release of a
   * press, so that the click it completes runs first, and two messages of one click show
   * together.
   */
  private showMessagesSoon(): void {
    if (this.pointerDown || this.listening.signal.aborted) {
      return;
    }
    clearTimeout(this.messageTimer);
    this.messageTimer = setTimeout(() => this.program.showMessages(), 0);
  }

  private pointerReleased(): void {
    this.pointerDown = false;
    this.showMessagesSoon();
  }

  /** Follows the viewport's size and the device pixel ratio (a browser's zoom changes both). */
  private followScale(): void {
    const view = this.elements.root.ownerDocument.defaultView;
    if (!view) {
      return;
    }
    let ratioWatch: AbortController | undefined;
    const apply = (): void => {
      const factor = scaleFactor(this.layout, view.innerWidth, view.innerHeight);
      this.elements.root.parentElement?.style.setProperty('--k', String(factor));
      this.board.setScale(factor * view.devicePixelRatio);
      ratioWatch?.abort();
      ratioWatch = new AbortController();
      const query = view.matchMedia(`(resolution: ${view.devicePixelRatio}dppx)`);
      query.addEventListener('change', apply, {
        signal: AbortSignal.any([ratioWatch.signal, this.listening.signal]),
      });
    };
    view.addEventListener('resize', apply, { signal: this.listening.signal });
    apply();
  }
}
