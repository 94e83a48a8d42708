// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_contents.h"

#include "plot/graph_catalogue.h"

#include <array>
#include <stdexcept>

namespace panels {
namespace {

using enum PanelColour;
using enum LabelFont;

// Tick labels stand with their top edge 8 rows above the grid line they name.

const LineEntry commonLines[] = {
    {"Line11", 80, 32, 80, 296, 1, Workspace},
    {"Line12", 128, 32, 128, 296, 1, Workspace},
    {"Line13", 176, 32, 176, 296, 1, Workspace},
};

const LineEntry axes[] = {
    {"Line1", 32, 296, 200, 296, 2, WindowText},
    {"Line2", 32, 24, 32, 296, 2, WindowText},
};

const LabelEntry commonLabels[] = {
    {"Label10", "0,1", 64, 304, 17, 17, Tick},
    {"Label11", "0,2", 112, 304, 17, 17, Tick},
    {"Label12", "0,3", 160, 304, 25, 17, Tick},
};

// The bars are outlined so that their edges still show on a washed-out projector.
const ShapeEntry shapes[] = {
    {"Shape1", ShapeKind::Band, 32, 32, 25, 265, BandGrey, std::nullopt},
    {"Shape2", ShapeKind::Band, 104, 32, 25, 265, BandGrey, std::nullopt},
    {"Shape3", ShapeKind::Dot, 40, 8, 5, 9, Black, std::nullopt},
    {"Shape4", ShapeKind::Dot, 72, 8, 5, 9, Black, std::nullopt},
    {"Shape5", ShapeKind::Dot, 104, 8, 5, 9, Black, std::nullopt},
    {"Shape6", ShapeKind::Dot, 144, 8, 5, 9, Black, std::nullopt},
    {"Shape7", ShapeKind::Bar, 32, 120, 153, 33, BarBlue, BarOutline},
    {"Shape8", ShapeKind::Bar, 32, 184, 153, 33, BarBlue, BarOutline},
};

// Panels 0 (v, one unit per 32 rows) and 3 (s, 0.1 per 64 rows) share this grid.
const LineEntry gridEvery32Rows[] = {
    {"Line10", 32, 40, 192, 40, 1, Workspace},  {"Line9", 32, 72, 192, 72, 1, Workspace},
    {"Line8", 32, 104, 192, 104, 1, Workspace}, {"Line7", 32, 136, 192, 136, 1, Workspace},
    {"Line6", 32, 168, 192, 168, 1, Workspace}, {"Line5", 32, 200, 192, 200, 1, GridGrey},
    {"Line4", 32, 232, 192, 232, 1, GridGrey},  {"Line3", 32, 264, 192, 264, 1, GridGrey},
};
const LabelEntry velocityLabels[] = {
    {"Label1", "1", 16, 256, 9, 17, Tick},      {"Label2", "2", 16, 224, 9, 17, Tick},
    {"Label3", "3", 16, 192, 9, 17, Tick},      {"Label4", "4", 16, 160, 9, 17, Tick},
    {"Label5", "5", 16, 128, 9, 17, Tick},      {"Label6", "6", 16, 96, 9, 17, Tick},
    {"Label7", "7", 16, 64, 9, 17, Tick},       {"Label8", "8", 16, 32, 9, 17, Tick},
    {"Label13", "t", 208, 288, 5, 19, Caption},
};

// Panel 1, P: one unit per 24 rows; Line5 lies on the time axis.
const LineEntry powerGrid[] = {
    {"Line18", 32, 56, 192, 56, 1, GridGrey},   {"Line17", 32, 80, 192, 80, 1, GridGrey},
    {"Line16", 32, 104, 192, 104, 1, GridGrey}, {"Line10", 32, 128, 192, 128, 1, Workspace},
    {"Line9", 32, 152, 192, 152, 1, Workspace}, {"Line8", 32, 176, 192, 176, 1, Workspace},
    {"Line7", 32, 200, 192, 200, 1, Workspace}, {"Line6", 32, 224, 192, 224, 1, Workspace},
    {"Line4", 32, 248, 192, 248, 1, GridGrey},  {"Line3", 32, 272, 192, 272, 1, GridGrey},
    {"Line5", 32, 296, 192, 296, 1, GridGrey},
};
const LabelEntry powerLabels[] = {
    {"Label1", "1", 16, 264, 9, 17, Tick},      {"Label2", "2", 16, 240, 9, 17, Tick},
    {"Label3", "3", 16, 216, 9, 17, Tick},      {"Label4", "4", 16, 192, 9, 17, Tick},
    {"Label5", "5", 16, 168, 9, 17, Tick},      {"Label6", "6", 16, 144, 9, 17, Tick},
    {"Label7", "7", 16, 120, 9, 17, Tick},      {"Label8", "8", 16, 96, 9, 17, Tick},
    {"Label9", "9", 16, 72, 9, 17, Tick},       {"Label16", "10", 8, 48, 17, 17, Default},
    {"Label13", "t", 208, 288, 5, 19, Caption},
};

// Panel 2, E kin: 0.2 per 24 rows.
const LineEntry kineticGrid[] = {
    {"Line15", 32, 56, 192, 56, 1, GridGrey},    {"Line14", 32, 80, 192, 80, 1, GridGrey},
    {"Line10", 32, 104, 192, 104, 1, Workspace}, {"Line9", 32, 128, 192, 128, 1, Workspace},
    {"Line8", 32, 152, 192, 152, 1, Workspace},  {"Line7", 32, 176, 192, 176, 1, Workspace},
    {"Line6", 32, 200, 192, 200, 1, Workspace},  {"Line5", 32, 224, 192, 224, 1, GridGrey},
    {"Line4", 32, 248, 192, 248, 1, GridGrey},   {"Line3", 32, 272, 192, 272, 1, GridGrey},
};
const LabelEntry kineticLabels[] = {
    {"Label1", "0,2", 8, 264, 17, 25, Tick},    {"Label2", "0,4", 8, 240, 17, 17, Tick},
    {"Label3", "0,6", 8, 216, 17, 17, Tick},    {"Label4", "0,8", 8, 192, 17, 17, Tick},
    {"Label5", "1,0", 8, 168, 17, 17, Tick},    {"Label6", "1,2", 8, 144, 17, 17, Tick},
    {"Label7", "1,4", 8, 120, 17, 17, Tick},    {"Label8", "1,6", 8, 96, 17, 17, Tick},
    {"Label9", "1,8", 8, 72, 17, 17, Tick},     {"Label15", "2,0", 8, 48, 17, 17, Tick},
    {"Label13", "t", 208, 288, 5, 19, Caption},
};

// Panel 3, s: a label at every second grid line.
const LabelEntry distanceLabels[] = {
    {"Label3", "0,1", 8, 224, 17, 17, Tick},    {"Label5", "0,2", 8, 160, 17, 17, Tick},
    {"Label7", "0,3", 8, 96, 17, 17, Tick},     {"Label9", "0,4", 8, 32, 17, 17, Tick},
    {"Label13", "t", 192, 304, 5, 19, Caption},
};

template <typename Entry, std::size_t N>
void append(std::vector<Entry>& into, const Entry (&entries)[N])
{
    into.insert(into.end(), std::begin(entries), std::end(entries));
}

template <std::size_t GridCount, std::size_t LabelCount>
PanelContents assemble(int panel, const LineEntry (&grid)[GridCount],
                       const LabelEntry (&labels)[LabelCount])
{
    PanelContents contents;
    append(contents.lines, grid);
    append(contents.lines, commonLines);
    append(contents.lines, axes);
    append(contents.labels, labels);
    append(contents.labels, commonLabels);
    const int formulaWidth = panel == 2 ? 193 : 177;
    contents.labels.push_back(
        {"Label14", plot::graphForPanel(panel).formulaLabel, 16, 0, formulaWidth, 17, Caption});
    append(contents.shapes, shapes);
    return contents;
}

} // namespace

const PanelContents& panelContents(int panel)
{
    static const std::array<PanelContents, 4> all = {
        assemble(0, gridEvery32Rows, velocityLabels),
        assemble(1, powerGrid, powerLabels),
        assemble(2, kineticGrid, kineticLabels),
        assemble(3, gridEvery32Rows, distanceLabels),
    };
    if (panel < 0 || panel >= static_cast<int>(all.size())) {
        throw std::out_of_range("panel index outside 0 to 3");
    }
    return all[static_cast<std::size_t>(panel)];
}

} // namespace panels
