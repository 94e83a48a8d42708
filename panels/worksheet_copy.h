// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace panels {

class GraphPanel;

// Device pixels per logical pixel of the picture that Ctrl+C copies: 932 x 1332 for the
// diagram.
inline constexpr int worksheetScale = 4;
// The legend strip beneath the diagram: this many logical rows per line of text.
inline constexpr int worksheetLegendLineHeight = 24;

// The panel drawn afresh at worksheetScale device pixels per logical pixel: its static
// diagram, its curves (the plot runs of its drawn accelerations, run again into a raster of
// that scale), its dots and bars as they stand; beneath, a strip with the legend
// (content::accelerationLegend) in Arial 12 pt,
// wrapped onto as many lines as it needs (one line when it names no acceleration: a blank
// strip). Device pixel ratio 1 and 192 dots per inch, so that a word processor places it at
// twice the size it has on a 96-dpi screen.
QImage worksheetCopy(const GraphPanel& panel);

} // namespace panels
