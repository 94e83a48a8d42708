// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window as page elements, laid out from the core's window layout in window
// pixels times a whole-number factor (--k), and the choice of that factor.
import type { Control, WindowLayout } from 'page-core';
import type { ColourResolver } from './colours';

export interface WindowElements {
  root: HTMLElement;
  graphButtons: HTMLButtonElement[];
  command5: HTMLButtonElement;
  command6: HTMLButtonElement;
  text1: HTMLInputElement;
  /** By panel index. */
  panels: HTMLCanvasElement[];
  panelDescriptions: HTMLElement[];
  liveRegion: HTMLElement;
  message: HTMLElement;
  messageText: HTMLElement;
  messageClose: HTMLButtonElement;
}

/** The largest whole number by which the window still fits the viewport, at least 1. */
export function scaleFactor(
  layout: Pick<WindowLayout, 'width' | 'height'>,
  viewportWidth: number,
  viewportHeight: number,
): number {
  return Math.max(
    1,
    Math.floor(Math.min(viewportWidth / layout.width, viewportHeight / layout.height)),
  );
}

function scaled(pixels: number): string {
  return `calc(var(--k) * ${pixels}px)`;
}

function place(
  element: HTMLElement,
  left: number,
  top: number,
  width: number,
  height: number,
): void {
  Object.assign(element.style, {
    left: scaled(left),
    top: scaled(top),
    width: scaled(width),
    height: scaled(height),
  });
}

function placeControl(element: HTMLElement, control: Control): void {
  element.id = control.name;
  place(element, control.left, control.top, control.width, control.height);
  element.style.fontSize = scaled(control.fontPixels);
}

function hiddenText(document: Document, id: string, text: string): HTMLElement {
  const element = document.createElement('span');
  element.id = id;
  element.hidden = true;
  element.textContent = text;
  return element;
}

function createButton(
  document: Document,
  control: Control,
  descriptions: HTMLElement,
): HTMLButtonElement {
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = control.caption;
  placeControl(button, control);
  const description = hiddenText(document, `${control.name}-description`, control.spoken);
  descriptions.append(description);
  button.setAttribute('aria-describedby', description.id);
  return button;
}

function createPanel(
  document: Document,
  layout: WindowLayout,
  index: number,
  descriptions: HTMLElement,
): [HTMLCanvasElement, HTMLElement] {
  const canvas = document.createElement('canvas');
  canvas.id = `Picture1-${index}`;
  canvas.className = 'panel';
  place(canvas, 0, 0, layout.panelWidth, layout.panelHeight);
  canvas.tabIndex = 0;
  canvas.setAttribute('role', 'img');
  canvas.setAttribute('aria-label', layout.panelNames[index] ?? '');
  const description = hiddenText(document, `${canvas.id}-description`, '');
  descriptions.append(description);
  canvas.setAttribute('aria-describedby', description.id);
  return [canvas, description];
}

function createMessage(
  document: Document,
  closeCaption: string,
): Pick<WindowElements, 'message' | 'messageText' | 'messageClose'> {
  const message = document.createElement('div');
  message.className = 'message';
  message.setAttribute('role', 'alert');
  const messageText = document.createElement('div');
  const messageClose = document.createElement('button');
  messageClose.type = 'button';
  messageClose.textContent = closeCaption;
  message.append(messageText, messageClose);
  message.hidden = true;
  return { message, messageText, messageClose };
}

function setColours(root: HTMLElement, layout: WindowLayout, colours: ColourResolver): void {
  root.style.setProperty('--face', colours.css(layout.buttonFace));
  root.style.setProperty('--bevel-light', colours.css(layout.bevelLight));
  root.style.setProperty('--bevel-dark', colours.css(layout.bevelDark));
  root.style.setProperty('--bevel-shadow', colours.css(layout.bevelShadow));
  root.style.setProperty('--text-box', colours.css(layout.textBoxBackground));
}

/**
 * Builds the window into the container. The elements stand in the Tab order: the graph
 * buttons, the panels in the core's order, the box, "zurücksetzen", "Ende".
 */
export function buildWindow(
  container: HTMLElement,
  layout: WindowLayout,
  colours: ColourResolver,
): WindowElements {
  const document = container.ownerDocument;
  const descriptions = document.createElement('div');
  const root = document.createElement('div');
  root.className = 'window';
  Object.assign(root.style, { width: scaled(layout.width), height: scaled(layout.height) });
  setColours(root, layout, colours);

  const graphButtons = layout.graphButtons.map((control) =>
    createButton(document, control, descriptions),
  );
  const panels: HTMLCanvasElement[] = [];
  const panelDescriptions: HTMLElement[] = [];
  for (const index of layout.panelTabOrder) {
    [panels[index], panelDescriptions[index]] = createPanel(document, layout, index, descriptions);
  }
  const label17 = document.createElement('div');
  placeControl(label17, layout.label17);
  label17.textContent = layout.label17.caption;
  label17.setAttribute('aria-hidden', 'true');
  const text1 = document.createElement('input');
  text1.type = 'text';
  text1.autocomplete = 'off';
  text1.spellcheck = false;
  placeControl(text1, layout.text1);
  text1.setAttribute('aria-label', layout.label17.spoken);
  const command5 = createButton(document, layout.command5, descriptions);
  const command6 = createButton(document, layout.command6, descriptions);
  root.append(
    ...graphButtons,
    ...layout.panelTabOrder.map((index) => panels[index] as HTMLCanvasElement),
    label17,
    text1,
    command5,
    command6,
  );

  // The window's caption, which a desktop shows in the title bar, for a screen reader.
  const caption = document.createElement('h1');
  caption.className = 'unseen';
  caption.textContent = layout.caption;
  const liveRegion = document.createElement('div');
  liveRegion.className = 'unseen';
  liveRegion.setAttribute('role', 'status');
  const message = createMessage(document, layout.pageWords.close);
  container.append(caption, root, message.message, liveRegion, descriptions);
  return {
    root,
    graphButtons,
    command5,
    command6,
    text1,
    panels,
    panelDescriptions,
    liveRegion,
    ...message,
  };
}
