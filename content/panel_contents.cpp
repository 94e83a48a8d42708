// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/panel_contents.h"

#include "plot/diagram_geometry.h"
#include "plot/graph_catalogue.h"

#include <array>
#include <stdexcept>

namespace content {
namespace {

using enum PanelColour;
using enum LabelFont;
using namespace plot;

constexpr int valueAxisTop = 24;
constexpr int gridRight = 192;
constexpr int labelHeight = 17;
constexpr int timeTickTop = baseRow + 8;

constexpr int columnAtTenths(int tenths)
{
    return firstColumn + columnsPerTimeUnit * tenths / 10;
}

constexpr LineEntry gridLine(std::string_view name, int row, PanelColour colour)
{
    return {name, firstColumn, row, gridRight, row, 1, colour};
}

constexpr LineEntry timeGridLine(std::string_view name, int tenths)
{
    return {name, columnAtTenths(tenths), topLimit, columnAtTenths(tenths), baseRow, 1, Workspace};
}

// A value-axis tick label, standing 8 rows above the grid line at row.
constexpr LabelEntry tick(std::string_view name, std::string_view caption, int row, int left,
                          int width, int height = labelHeight, LabelFont font = Tick)
{
    return {name, caption, left, row - labelTextMiddle, width, height, font};
}

const LineEntry timeGrid[] = {timeGridLine("Line11", 1), timeGridLine("Line12", 2),
                              timeGridLine("Line13", 3)};

const LineEntry axes[] = {
    {"Line1", firstColumn, baseRow, rightmostColumn, baseRow, 2, WindowText},
    {"Line2", firstColumn, valueAxisTop, firstColumn, baseRow, 2, WindowText},
};

const LabelEntry timeTicks[] = {
    {"Label10", "0,1", columnAtTenths(1) - 16, timeTickTop, 17, labelHeight, Tick},
    {"Label11", "0,2", columnAtTenths(2) - 16, timeTickTop, 17, labelHeight, Tick},
    {"Label12", "0,3", columnAtTenths(3) - 16, timeTickTop, 25, labelHeight, Tick},
};

// The bands mark the bars' two intervals over the whole height of a curve; the bars are
// outlined so that their edges still show on a washed-out projector.
constexpr ShapeEntry band(std::string_view name, int fromColumn, int toColumn)
{
    return {name,
            ShapeKind::Band,
            fromColumn,
            topLimit,
            toColumn - fromColumn + 1,
            baseRow - topLimit + 1,
            BandGrey,
            std::nullopt};
}
constexpr ShapeEntry dot(std::string_view name, int left)
{
    return {name, ShapeKind::Dot, left, 8, dotWidth, dotHeight, Black, std::nullopt};
}
constexpr ShapeEntry bar(std::string_view name, int top)
{
    return {name, ShapeKind::Bar, barLeft, top, barWidth, 33, BarBlue, BarOutline};
}
const ShapeEntry shapes[] = {
    band("Shape1", firstColumn, earlyEndColumn),
    band("Shape2", lateStartColumn, lateEndColumn),
    dot("Shape3", 40),
    dot("Shape4", 72),
    dot("Shape5", 104),
    dot("Shape6", 144),
    bar("Shape7", 120),
    bar("Shape8", 184),
};

// Panels 0 (v, one unit per 32 rows) and 3 (s, 0.1 per 64 rows) share this grid.
const LineEntry gridEvery32Rows[] = {
    gridLine("Line10", 40, Workspace), gridLine("Line9", 72, Workspace),
    gridLine("Line8", 104, Workspace), gridLine("Line7", 136, Workspace),
    gridLine("Line6", 168, Workspace), gridLine("Line5", 200, GridGrey),
    gridLine("Line4", 232, GridGrey),  gridLine("Line3", 264, GridGrey),
};
const LabelEntry velocityLabels[] = {
    tick("Label1", "1", 264, 16, 9),
    tick("Label2", "2", 232, 16, 9),
    tick("Label3", "3", 200, 16, 9),
    tick("Label4", "4", 168, 16, 9),
    tick("Label5", "5", 136, 16, 9),
    tick("Label6", "6", 104, 16, 9),
    tick("Label7", "7", 72, 16, 9),
    tick("Label8", "8", 40, 16, 9),
    {"Label13", "t", 208, 288, 5, 19, Caption},
};

// Panel 1, P: one unit per 24 rows; Line5 lies on the time axis.
const LineEntry powerGrid[] = {
    gridLine("Line18", 56, GridGrey),     gridLine("Line17", 80, GridGrey),
    gridLine("Line16", 104, GridGrey),    gridLine("Line10", 128, Workspace),
    gridLine("Line9", 152, Workspace),    gridLine("Line8", 176, Workspace),
    gridLine("Line7", 200, Workspace),    gridLine("Line6", 224, Workspace),
    gridLine("Line4", 248, GridGrey),     gridLine("Line3", 272, GridGrey),
    gridLine("Line5", baseRow, GridGrey),
};
const LabelEntry powerLabels[] = {
    tick("Label1", "1", 272, 16, 9),
    tick("Label2", "2", 248, 16, 9),
    tick("Label3", "3", 224, 16, 9),
    tick("Label4", "4", 200, 16, 9),
    tick("Label5", "5", 176, 16, 9),
    tick("Label6", "6", 152, 16, 9),
    tick("Label7", "7", 128, 16, 9),
    tick("Label8", "8", 104, 16, 9),
    tick("Label9", "9", 80, 16, 9),
    tick("Label16", "10", 56, 8, 17, labelHeight, Default),
    {"Label13", "t", 208, 288, 5, 19, Caption},
};

// Panel 2, E kin: 0.2 per 24 rows.
const LineEntry kineticGrid[] = {
    gridLine("Line15", 56, GridGrey),   gridLine("Line14", 80, GridGrey),
    gridLine("Line10", 104, Workspace), gridLine("Line9", 128, Workspace),
    gridLine("Line8", 152, Workspace),  gridLine("Line7", 176, Workspace),
    gridLine("Line6", 200, Workspace),  gridLine("Line5", 224, GridGrey),
    gridLine("Line4", 248, GridGrey),   gridLine("Line3", 272, GridGrey),
};
const LabelEntry kineticLabels[] = {
    tick("Label1", "0,2", 272, 8, 17, 25),      tick("Label2", "0,4", 248, 8, 17),
    tick("Label3", "0,6", 224, 8, 17),          tick("Label4", "0,8", 200, 8, 17),
    tick("Label5", "1,0", 176, 8, 17),          tick("Label6", "1,2", 152, 8, 17),
    tick("Label7", "1,4", 128, 8, 17),          tick("Label8", "1,6", 104, 8, 17),
    tick("Label9", "1,8", 80, 8, 17),           tick("Label15", "2,0", 56, 8, 17),
    {"Label13", "t", 208, 288, 5, 19, Caption},
};

// Panel 3, s: a label at every second grid line.
const LabelEntry distanceLabels[] = {
    tick("Label3", "0,1", 232, 8, 17),
    tick("Label5", "0,2", 168, 8, 17),
    tick("Label7", "0,3", 104, 8, 17),
    tick("Label9", "0,4", 40, 8, 17),
    {"Label13", "t", 192, timeTickTop, 5, 19, Caption},
};

template <typename Entry, std::size_t N>
void append(std::vector<Entry>& into, const Entry (&entries)[N])
{
    into.insert(into.end(), std::begin(entries), std::end(entries));
}

template <std::size_t GridCount, std::size_t LabelCount>
PanelContents assemble(int panel, const LineEntry (&grid)[GridCount],
                       const LabelEntry (&labels)[LabelCount], int formulaWidth)
{
    PanelContents contents;
    append(contents.lines, grid);
    append(contents.lines, timeGrid);
    append(contents.lines, axes);
    append(contents.labels, labels);
    append(contents.labels, timeTicks);
    contents.labels.push_back(
        {"Label14", graphForPanel(panel).formulaLabel, 16, 0, formulaWidth, labelHeight, Caption});
    append(contents.shapes, shapes);
    return contents;
}

} // namespace

std::optional<FontSize> labelFontSize(LabelFont font)
{
    switch (font) {
    case Tick:
        return FontSize{11, false};
    case Caption:
        return FontSize{16, true};
    case Default:
        break;
    }
    return std::nullopt;
}

const PanelContents& panelContents(int panel)
{
    static const std::array<PanelContents, 4> all = {
        assemble(0, gridEvery32Rows, velocityLabels, 177),
        assemble(1, powerGrid, powerLabels, 177),
        assemble(2, kineticGrid, kineticLabels, 193),
        assemble(3, gridEvery32Rows, distanceLabels, 177),
    };
    if (panel < 0 || panel >= static_cast<int>(all.size())) {
        throw std::out_of_range("panel index outside 0 to 3");
    }
    return all[static_cast<std::size_t>(panel)];
}

} // namespace content
