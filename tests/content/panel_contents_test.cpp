// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/panel_contents.h"

#include "plot/diagram_geometry.h"
#include "plot/graph_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

using content::LabelEntry;
using content::LineEntry;
using content::PanelContents;

// "0,4" is 0.4.
double captionValue(std::string_view caption)
{
    std::string text(caption);
    std::replace(text.begin(), text.end(), ',', '.');
    return std::stod(text);
}

bool isTimeTick(const LabelEntry& label)
{
    return label.name == "Label10" || label.name == "Label11" || label.name == "Label12";
}

bool isValueTick(const LabelEntry& label)
{
    return label.font != content::LabelFont::Caption && !isTimeTick(label);
}

template <typename Entries> std::set<std::string_view> namesOf(const Entries& entries)
{
    std::set<std::string_view> names;
    for (const auto& entry : entries) {
        names.insert(entry.name);
    }
    return names;
}

class PanelContentsTest : public ::testing::TestWithParam<int>
{
protected:
    const PanelContents& contents = content::panelContents(GetParam());
    const plot::Graph& graph = plot::graphForPanel(GetParam());

    bool hasLine(bool horizontal, int at) const
    {
        return std::any_of(
            contents.lines.begin(), contents.lines.end(), [&](const LineEntry& line) {
                return horizontal ? line.y1 == at && line.y2 == at : line.x1 == at && line.x2 == at;
            });
    }
};

TEST_P(PanelContentsTest, NamesEachControlOnce)
{
    EXPECT_EQ(namesOf(contents.lines).size(), contents.lines.size());
    EXPECT_EQ(namesOf(contents.labels).size(), contents.labels.size());
    EXPECT_EQ(namesOf(contents.shapes),
              (std::set<std::string_view>{"Shape1", "Shape2", "Shape3", "Shape4", "Shape5",
                                          "Shape6", "Shape7", "Shape8"}));
}

// Each value tick stands 8 rows above a grid line (or the time axis), and that line's height
// above the base row is the caption read in the units of the graph's value axis.
TEST_P(PanelContentsTest, ValueTicksNameTheirGridLinesOnTheGraphsScale)
{
    int ticks = 0;
    for (const LabelEntry& label : contents.labels) {
        if (!isValueTick(label)) {
            continue;
        }
        SCOPED_TRACE(std::string(label.name) + " \"" + std::string(label.text) + "\"");
        ++ticks;
        const int row = label.top + content::labelTextMiddle;
        EXPECT_TRUE(hasLine(true, row)) << "no grid line at row " << row;
        EXPECT_DOUBLE_EQ(plot::baseRow - row, captionValue(label.text) * graph.axisPixelsPerUnit);
    }
    EXPECT_GE(ticks, 4);
}

// "0,1" to "0,3" stand under the time axis, each under the grid line of its time.
TEST_P(PanelContentsTest, TimeTicksStandUnderTheirGridLines)
{
    int ticks = 0;
    for (const LabelEntry& label : contents.labels) {
        if (!isTimeTick(label)) {
            continue;
        }
        SCOPED_TRACE(label.name);
        ++ticks;
        const double column =
            plot::firstColumn + captionValue(label.text) * plot::columnsPerTimeUnit;
        EXPECT_TRUE(hasLine(false, static_cast<int>(column)));
        EXPECT_LE(label.left, column);
        EXPECT_GE(label.left + label.width, column);
        EXPECT_GT(label.top, plot::baseRow);
    }
    EXPECT_EQ(ticks, 3);
}

// Shape1 spans t = 0 to 0.05 and Shape2 t = 0.15 to 0.2, both columns and rows 32 to 296
// included; the bars span columns 32 to 184.
TEST_P(PanelContentsTest, BandsCoverTheBarsIntervalsExactly)
{
    const std::pair<int, int> intervals[] = {{plot::firstColumn, plot::earlyEndColumn},
                                             {plot::lateStartColumn, plot::lateEndColumn}};
    for (std::size_t band = 0; band < 2; ++band) {
        const content::ShapeEntry& shape = contents.shapes.at(band);
        SCOPED_TRACE(shape.name);
        EXPECT_EQ(shape.kind, content::ShapeKind::Band);
        EXPECT_EQ(shape.left, intervals[band].first);
        EXPECT_EQ(shape.left + shape.width - 1, intervals[band].second);
        EXPECT_EQ(shape.top, plot::topLimit);
        EXPECT_EQ(shape.top + shape.height - 1, plot::baseRow);
    }
    for (const content::ShapeEntry& shape : contents.shapes) {
        if (shape.kind == content::ShapeKind::Bar) {
            EXPECT_EQ(shape.left, 32);
            EXPECT_EQ(shape.left + shape.width - 1, 184);
        }
    }
}

TEST_P(PanelContentsTest, CarriesTheFormulaLabelOfItsGraph)
{
    const auto formula =
        std::find_if(contents.labels.begin(), contents.labels.end(),
                     [](const LabelEntry& label) { return label.name == "Label14"; });
    ASSERT_NE(formula, contents.labels.end());
    EXPECT_EQ(formula->text, graph.formulaLabel);
    EXPECT_EQ(formula->font, content::LabelFont::Caption);
}

// The axes meet at the origin (32, 296); every grid line lies within the curves' area.
TEST_P(PanelContentsTest, GridLinesStayWithinTheAxes)
{
    EXPECT_TRUE(hasLine(true, plot::baseRow));
    EXPECT_TRUE(hasLine(false, plot::firstColumn));
    for (const LineEntry& line : contents.lines) {
        SCOPED_TRACE(line.name);
        EXPECT_GE(std::min(line.x1, line.x2), plot::firstColumn);
        EXPECT_LE(std::max(line.x1, line.x2), plot::rightmostColumn);
        EXPECT_LE(std::max(line.y1, line.y2), plot::baseRow);
        EXPECT_TRUE(line.x1 == line.x2 || line.y1 == line.y2) << "straight";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPanel, PanelContentsTest, ::testing::Values(0, 1, 2, 3));

} // namespace
