// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/graph_panel.h"

#include "panel_render.h"
#include "panels/panel_line.h"
#include "panels/panel_shape.h"
#include "tests/support/pixel_count.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using content::PanelColour;
using panels::GraphPanel;
using panels::testing::colourOf;
using panels::testing::hideMarkers;
using panels::testing::masked;
using panels::testing::renderPanel;
using test_support::blackPixels;

// Runs once for each QT_SCALE_FACTOR of 1.25, 1.5, 1.75 and 2: the panel keeps its logical
// size and paints scale device pixels per logical pixel. A pen one logical pixel wide covers
// round(scale) device pixels across.
struct Density
{
    double scale;
    int pen;
};
const Density densities[] = {{1.25, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}};

class HighDensityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
        for (const Density& candidate : densities) {
            if (candidate.scale == scale) {
                density = candidate;
            }
        }
        ASSERT_GT(density.scale, 1.0) << "run with QT_SCALE_FACTOR 1.25, 1.5, 1.75 or 2";
        ASSERT_EQ(panel.devicePixelRatioF(), density.scale);
        hideMarkers(panel);
    }

    // The device pixel an end point at a logical coordinate is rounded to.
    int endPixel(double logical) const
    {
        return static_cast<int>(std::floor(logical * density.scale + 0.5));
    }
    // A device pixel well inside the logical pixel p: the one under its centre.
    int inside(int logical) const
    {
        return static_cast<int>(std::floor((logical + 0.5) * density.scale));
    }

    Density density{1.0, 1};
    GraphPanel panel{0};
};

// The runs of equal colour along device column (downColumn) or row number index, from first
// to last: each colour with its length.
std::vector<std::pair<QRgb, int>> colourRuns(const QImage& image, int index, bool downColumn,
                                             int first, int last)
{
    std::vector<std::pair<QRgb, int>> runs;
    for (int at = first; at <= last; ++at) {
        const QRgb pixel = downColumn ? image.pixel(index, at) : image.pixel(at, index);
        if (runs.empty() || runs.back().first != pixel) {
            runs.emplace_back(pixel, 0);
        }
        ++runs.back().second;
    }
    return runs;
}

// The lengths of the runs of one colour among them.
std::vector<int> runsOf(QRgb colour, const QImage& image, int index, bool downColumn, int first,
                        int last)
{
    std::vector<int> lengths;
    for (const auto& [pixel, length] : colourRuns(image, index, downColumn, first, last)) {
        if (pixel == colour) {
            lengths.push_back(length);
        }
    }
    return lengths;
}

std::vector<int> blackRuns(const QImage& image, int index, bool downColumn, int first, int last)
{
    return runsOf(qRgb(0, 0, 0), image, index, downColumn, first, last);
}

// Segments in the free part of panel 0 (columns 33 to 200, rows 17 to 294 hold no black but
// the curve). Where a segment runs more across than up or down, each device column from one
// end to the other holds one run of pen black pixels, from the row its end points round to
// downward; otherwise each device row does, rightward. Nothing lies beyond the ends.
TEST_F(HighDensityTest, CurvePenCoversRoundScaleDevicePixelsAcross)
{
    struct Case
    {
        const char* name;
        float x1, y1, x2, y2;
    };
    const Case cases[] = {
        {"shallow", 40, 250, 190, 200},    {"steep", 60, 280, 100, 60},
        {"horizontal", 40, 150, 190, 150}, {"vertical", 150, 60, 150, 280},
        {"diagonal", 40, 60, 190, 210},    {"steep, upward", 120, 270, 100, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        panel.clearCurves();
        panel.drawSegment(c.x1, c.y1, c.x2, c.y2);
        const QImage image = renderPanel(panel);
        const bool across = std::abs(c.x2 - c.x1) >= std::abs(c.y2 - c.y1);
        const int firstX = endPixel(std::min(c.x1, c.x2));
        const int lastX = endPixel(std::max(c.x1, c.x2)) + (across ? 0 : density.pen - 1);
        const int firstY = endPixel(std::min(c.y1, c.y2));
        const int lastY = endPixel(std::max(c.y1, c.y2)) + (across ? density.pen - 1 : 0);
        for (int step = across ? firstX : firstY; step <= (across ? lastX : lastY); ++step) {
            const std::vector<int> runs =
                blackRuns(image, step, across, across ? firstY : firstX, across ? lastY : lastX);
            ASSERT_EQ(runs, std::vector<int>{density.pen}) << "device line " << step;
        }
        const QRect free(QPoint(endPixel(33), endPixel(17)), QPoint(endPixel(200), endPixel(294)));
        const QRect box(QPoint(firstX, firstY), QPoint(lastX, lastY));
        EXPECT_EQ(blackPixels(image, free), blackPixels(image, box)) << "black beyond the ends";
    }
}

// A segment of one point is a square of pen x pen pixels. In a chain of segments the joints
// keep the pen's width, and where the chain turns from running across to running up it gets
// the same square, so the bend's outer corner shows no notch.
TEST_F(HighDensityTest, PointsAndBendsGetAFullSquareOtherJointsNone)
{
    const int pen = density.pen;
    panel.drawSegment(150, 100, 150, 100);
    panel.drawSegment(40, 200, 100, 190);
    panel.drawSegment(100, 190, 110, 100);
    panel.drawSegment(40, 260, 100, 250);
    panel.drawSegment(100, 250, 190, 240);
    const QImage image = renderPanel(panel);
    const QRect point(endPixel(150), endPixel(100), pen, pen);
    EXPECT_EQ(blackPixels(image, point.adjusted(-1, -1, 1, 1)), pen * pen) << "the point";
    EXPECT_EQ(blackPixels(image, QRect(endPixel(100), endPixel(190), pen, pen)), pen * pen)
        << "the bend";
    for (int x = endPixel(40); x <= endPixel(190); ++x) {
        ASSERT_EQ(blackRuns(image, x, true, endPixel(235), endPixel(265)), std::vector<int>{pen})
            << "device column " << x << " of the chain running across";
    }
}

// A segment that leaves the panel is drawn with its full pen up to the panel's edge.
TEST_F(HighDensityTest, ClippedSegmentKeepsItsPenToTheEdge)
{
    panel.drawSegment(150, 200, 1e9F, -5e8F); // leaves through the right edge at row 158.5
    const QImage image = renderPanel(panel);
    for (int x = endPixel(150) + density.pen; x < image.width(); ++x) {
        ASSERT_EQ(blackRuns(image, x, true, endPixel(100), endPixel(201)),
                  std::vector<int>{density.pen})
            << "device column " << x;
    }
}

// Each static line covers the device pixels its logical pixels round to, in one tone: every
// cross-section, away from where other lines cross it, is the surroundings (white, or a band's
// grey with the line masked into it), the line exactly that wide, and the surroundings again,
// with no blended edge.
TEST_F(HighDensityTest, StaticLinesCoverTheirRoundedDevicePixelsInOneTone)
{
    for (int index = 0; index < 4; ++index) {
        GraphPanel shown(index);
        hideMarkers(shown);
        const QImage image = renderPanel(shown);
        const auto lines = shown.findChildren<panels::PanelLine*>();
        // Whether another line covers the area, or comes within a pixel of the point.
        const auto covered = [&lines](const panels::PanelLine* line, const QRect& area) {
            return std::any_of(lines.begin(), lines.end(), [&](const auto* other) {
                return other != line && other->area().contains(area) && other->area() != area;
            });
        };
        const auto crossed = [&lines](const panels::PanelLine* line, QPoint point) {
            return std::any_of(lines.begin(), lines.end(), [&](const auto* other) {
                return other != line && other->area().adjusted(-1, -1, 1, 1).contains(point);
            });
        };
        for (const panels::PanelLine* line : lines) {
            const QRect area = line->area();
            if (covered(line, area)) {
                continue; // Line5(1), under the time axis
            }
            SCOPED_TRACE("panel " + std::to_string(index) + " " + line->objectName().toStdString());
            const bool horizontal = area.width() > area.height();
            const int first = horizontal ? area.top() : area.left(); // across the line
            const int last = horizontal ? area.bottom() : area.right();
            int sections = 0;
            for (int along = horizontal ? area.left() : area.top();
                 along <= (horizontal ? area.right() : area.bottom()); ++along) {
                if (crossed(line, horizontal ? QPoint(along, first) : QPoint(first, along))) {
                    continue;
                }
                const auto runs = colourRuns(image, inside(along), horizontal, endPixel(first - 2),
                                             endPixel(last + 3) - 1);
                ASSERT_EQ(runs.size(), 3U) << "at " << along;
                EXPECT_EQ(runs[0].second, endPixel(first) - endPixel(first - 2)) << "at " << along;
                EXPECT_EQ(runs[1].second, endPixel(last + 1) - endPixel(first)) << "at " << along;
                ++sections;
            }
            EXPECT_GT(sections, 0);
        }
    }
}

// Shape7 with Top 250 and Height 20 covers rows 250 to 269 of panel 3: its outline takes the
// device pixels of rows 250 and 269 and of columns 32 and 184, the fill the rest, both ANDed
// with what lies beneath; the curve stays black across both.
TEST_F(HighDensityTest, BarOutlineTakesTheBarsOwnFirstAndLastRowsAndColumns)
{
    GraphPanel distance(3);
    hideMarkers(distance);
    auto* bar = distance.shape(winsys::Shape::Shape7);
    bar->setShown(true);
    bar->setTop(250);
    bar->setHeight(20);
    distance.drawSegment(100, 240, 100, 280);
    const QImage image = renderPanel(distance);
    const QColor fill = colourOf(PanelColour::BarBlue);
    const QColor outline = colourOf(PanelColour::BarOutline);
    const QColor grid = colourOf(PanelColour::GridGrey);
    const QColor band = colourOf(PanelColour::BandGrey);
    struct Row
    {
        const char* name;
        int x;
        int y;
        QColor expected;
    };
    const Row rows[] = {
        {"first row", 150, 250, outline},
        {"second row", 150, 251, fill},
        {"grid line inside", 150, 264, masked(grid, fill)},
        {"last row", 150, 269, outline},
        {"last column", 184, 260, outline},
        {"column before it", 183, 260, fill},
        {"band over the fill", 44, 260, masked(band, fill)},
        {"band over the outline", 44, 250, masked(band, outline)},
        {"curve across the outline", 100, 250, Qt::black},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(image.pixelColor(inside(row.x), inside(row.y)).name().toStdString(),
                  row.expected.name().toStdString());
    }
    // One logical pixel thick, as many device pixels as the logical pixel has: down a column
    // from above the bar to below it, and along a row beyond its right end.
    const auto thickness = [&](bool downColumn, int index, int from, int to) {
        return runsOf(outline.rgb(), image, inside(index), downColumn, endPixel(from),
                      endPixel(to) - 1);
    };
    for (const auto& [name, runs, count] :
         {std::tuple{"top and bottom", thickness(true, 150, 245, 275), 2U},
          std::tuple{"right end", thickness(false, 260, 180, 190), 1U}}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(runs.size(), count);
        for (const int run : runs) {
            EXPECT_GE(run, std::floor(density.scale));
            EXPECT_LE(run, std::ceil(density.scale));
        }
    }
}

} // namespace
