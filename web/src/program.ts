// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's handlers, as the desktop window has them: the acceleration and its validation,
// the graph buttons' plot runs, the reset and the end. What they say comes from the core.
import type { PageCore, Summary, WindowLayout } from 'page-core';
import type { PanelBoard } from './panel_board';
import type { WindowElements } from './window_layout';

export class Program {
  private acceleration: number;
  // What Text1 is put back to when a text does not convert: the last text that did.
  private lastConvertedText: string;
  private pendingMessages: string[] = [];

  constructor(
    private readonly core: PageCore,
    private readonly layout: WindowLayout,
    private readonly elements: WindowElements,
    private readonly board: PanelBoard,
  ) {
    // The Load event: the start value, on every start.
    this.acceleration = layout.startAcceleration;
    elements.text1.value = String(layout.startAcceleration);
    this.lastConvertedText = elements.text1.value;
  }

  /** The s-panel, empty and without its markers, until the learner plots something. */
  showFirstView(): void {
    this.layout.panelTabOrder.forEach((panel) => {
      this.board.setPanelVisible(panel, panel === this.layout.firstPanel);
      this.layout.markerShapes.forEach((shape) => this.board.setShapeVisible(shape, panel, false));
      this.describePanel(panel, this.core.nothingDrawnSummary(panel));
    });
    this.board.paint();
  }

  /** Converts the text of Text1; a text that does not convert is put back and reported. */
  validateText1(): void {
    const text = this.elements.text1.value;
    const converted = this.core.textToAcceleration(text);
    if (converted === null) {
      this.elements.text1.value = this.lastConvertedText;
      this.report(this.core.rejectedTextMessage(text, this.acceleration));
      return;
    }
    this.acceleration = converted;
    this.lastConvertedText = text;
  }

  plotGraph(button: number): void {
    const outcome = this.core.plotRun(button, this.acceleration, this.board.windows);
    if (outcome.message === undefined) {
      this.board.addDrawnAcceleration(button, this.acceleration);
    } else {
      this.report(outcome.message);
    }
    this.board.paint();
    this.describePanel(this.layout.panelOfButton[button] ?? 0, outcome.summary);
    this.announce(outcome.summary.spoken);
  }

  resetVisiblePanel(): void {
    const reset = this.core.resetVisiblePanel(this.board.windows);
    this.board.paint();
    if (reset) {
      this.describePanel(reset.panel, reset.summary);
      this.announce(reset.summary.spoken);
    }
  }

  /** Shows what this interaction reported, in one message. */
  showMessages(): void {
    if (this.pendingMessages.length === 0) {
      return;
    }
    const { message, messageText } = this.elements;
    messageText.replaceChildren(...this.pendingMessages.map((text) => paragraph(text)));
    this.pendingMessages = [];
    message.hidden = false;
  }

  closeMessage(): void {
    this.elements.message.hidden = true;
  }

  private report(message: string): void {
    this.pendingMessages.push(message);
  }

  private describePanel(panel: number, summary: Summary): void {
    const canvas = this.elements.panels[panel];
    canvas?.setAttribute('title', summary.written);
    const description = this.elements.panelDescriptions[panel];
    if (description) {
      description.textContent = summary.description;
    }
  }

  /** Spoken at once wherever the focus is; a new node, so that a repeated text is said again. */
  private announce(spoken: string): void {
    const utterance = this.elements.liveRegion.ownerDocument.createElement('p');
    utterance.textContent = spoken;
    this.elements.liveRegion.replaceChildren(utterance);
  }
}

function paragraph(text: string): HTMLParagraphElement {
  const element = document.createElement('p');
  element.textContent = text;
  return element;
}
