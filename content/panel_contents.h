// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/colours.h"

#include <optional>
#include <string_view>
#include <vector>

namespace content {

// All geometry in panel pixels. A horizontal or vertical line covers both end points; a line
// of width 2 at row r covers rows r - 1 and r (columns alike).
struct LineEntry
{
    std::string_view name;
    int x1, y1, x2, y2;
    int width;
    PanelColour colour;
};

enum class LabelFont {
    Tick,    // Arial 8.25 pt
    Caption, // Arial 12 pt bold: formula label and axis name
    Default, // the window's own font
};

// A font's size in logical pixels (points at 96 dots per inch) and its weight.
struct FontSize
{
    int pixels;
    bool bold;
};

// The size of a label font; none for the window's own font, which the desktop decides.
std::optional<FontSize> labelFontSize(LabelFont font);

// The middle of a label's capitals lies this many rows below its top edge, so that a tick
// label's text stands level with the grid line 8 rows below the label's top.
inline constexpr int labelTextMiddle = 8;

// A label with one line of left-aligned text on the panel's background.
struct LabelEntry
{
    std::string_view name;
    std::string_view text; // UTF-8
    int left, top, width, height;
    LabelFont font;
};

enum class ShapeKind {
    Band, // rectangle painted in mask mode, never changed at run time
    Dot,  // filled black disc of 5 pixels in a 5 x 9 box
    Bar,  // rectangle painted in mask mode, moved and resized by plot runs
};

struct ShapeEntry
{
    std::string_view name;
    ShapeKind kind;
    int left, top, width, height;
    PanelColour colour;
    // A one-pixel outline on the shape's own first and last rows and columns, painted in mask
    // mode like the fill.
    std::optional<PanelColour> outline;
};

// What a panel shows besides its curves, in painting order within each list.
struct PanelContents
{
    std::vector<LineEntry> lines; // grid lines first, then the axes over them
    std::vector<LabelEntry> labels;
    std::vector<ShapeEntry> shapes; // Shape1 .. Shape8: two bands, four dots, two bars
};

// The static diagram of panel 0 (v), 1 (P), 2 (E kin) or 3 (s), with the dots and bars in
// their initial place. Throws std::out_of_range for another index.
const PanelContents& panelContents(int panel);

} // namespace content
