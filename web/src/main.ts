// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and end of the page: the window is created from the core's layout, shows its first
// view, and takes the link's preset; "Ende" takes it all down.
import createPageCore from 'page-core';
import { ColourResolver } from './colours';
import { parsePreset, WindowEvents } from './events';
import { PanelBoard } from './panel_board';
import { PanelPainter } from './panel_painter';
import { Program } from './program';
import { buildWindow } from './window_layout';
import './page.css';

async function start(container: HTMLElement): Promise<void> {
  const core = await createPageCore();
  const layout = core.windowLayout();
  document.title = layout.caption;
  const colours = new ColourResolver(container);
  const elements = buildWindow(container, layout, colours);
  const size = { width: layout.panelWidth, height: layout.panelHeight };
  const painters = elements.panels.map(
    (canvas, index) => new PanelPainter(core, index, canvas, size, layout.markerShapes, colours),
  );
  const board = new PanelBoard(core, painters, layout.panelOfButton);
  const program = new Program(core, layout, elements, board);
  const events = new WindowEvents(program, elements, layout, board, () => {
    // A page cannot close its tab: the program's controls go, nothing of it keeps running, and
    // one line says how to start again.
    events.unwire();
    board.release();
    const ended = document.createElement('p');
    ended.className = 'ended';
    ended.tabIndex = -1;
    ended.textContent = layout.pageWords.ended;
    container.replaceChildren(ended);
    ended.focus();
  });
  events.wire();
  program.showFirstView();
  events.applyPreset(
    parsePreset(
      location.hash,
      layout.graphButtons.map((button) => button.caption),
    ),
  );
}

const container = document.getElementById('program');
if (container) {
  void start(container);
}
