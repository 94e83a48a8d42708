// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/graph_panel.h"

#include "content/panel_contents.h"
#include "panel_render.h"
#include "panels/panel_label.h"
#include "panels/panel_shape.h"

#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using content::PanelColour;
using panels::GraphPanel;
using panels::testing::colourOf;
using panels::testing::hideMarkers;
using panels::testing::masked;
using panels::testing::renderPanel;
using winsys::Shape;

QColor pixelAt(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

struct PixelRow
{
    const char* name;
    int x;
    int y;
    QColor expected;
};

void expectPixels(const QImage& image, std::initializer_list<PixelRow> rows)
{
    for (const PixelRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " at (" + std::to_string(row.x) + ", " +
                     std::to_string(row.y) + ")");
        EXPECT_EQ(pixelAt(image, row.x, row.y).name().toStdString(),
                  row.expected.name().toStdString());
    }
}

class GraphPanelRenderTest : public ::testing::Test
{
protected:
    GraphPanelRenderTest() { hideMarkers(panel); }

    void placeBar(Shape name, float top, float height)
    {
        panel.shape(name)->setShown(true);
        panel.shape(name)->setTop(top);
        panel.shape(name)->setHeight(height);
    }

    GraphPanel panel{3};
    const QColor white = colourOf(PanelColour::WindowBackground);
    const QColor text = colourOf(PanelColour::WindowText);
    const QColor workspace = colourOf(PanelColour::Workspace);
    const QColor grid = colourOf(PanelColour::GridGrey);
    const QColor band = colourOf(PanelColour::BandGrey);
    const QColor bar = colourOf(PanelColour::BarBlue);
    const QColor outline = colourOf(PanelColour::BarOutline);
};

TEST_F(GraphPanelRenderTest, StaticDiagramStandsWhereTheTablesPutIt)
{
    const QImage image = renderPanel(panel);
    ASSERT_EQ(image.size(), QSize(233, 333));
    expectPixels(image, {
                            {"time axis", 100, 296, text},
                            {"time axis, second row", 100, 295, text},
                            {"under the time axis", 100, 297, white},
                            {"time axis end", 200, 296, text},
                            {"beyond the time axis", 201, 296, white},
                            {"value axis", 32, 150, text},
                            {"value axis, second column", 31, 150, text},
                            {"value axis top", 32, 24, text},
                            {"above the value axis", 32, 23, white},
                            {"vertical grid line", 80, 250, workspace},
                            {"grid line in the middle group", 150, 104, workspace},
                            {"grid line in the lower group", 150, 264, grid},
                            {"grid line end", 192, 264, grid},
                            {"beyond the grid line", 193, 264, white},
                            {"band over the first interval", 44, 250, band},
                            {"band meets a grid line", 44, 264, masked(band, grid)},
                            {"band ends at column 56", 57, 250, white},
                            {"second band", 120, 250, band},
                            {"plain surface", 150, 250, white},
                        });
}

// The outline takes the bar's own first and last rows and columns; the bar still covers rows
// T to T + H - 1 and columns 32 to 184, and masks what lies beneath.
TEST_F(GraphPanelRenderTest, BarsMaskWhatLiesBeneath)
{
    placeBar(Shape::Shape7, 280, 16);
    const QImage image = renderPanel(panel);
    expectPixels(image, {
                            {"first row of the bar is its outline", 60, 280, outline},
                            {"second row of the bar", 60, 281, bar},
                            {"row 294 of the bar", 60, 294, bar},
                            {"axis stays black under the bar", 60, 295, text},
                            {"row above the bar", 60, 279, white},
                            {"right end column 184 is the outline", 184, 290, outline},
                            {"column 183", 183, 290, bar},
                            {"column 185 is outside", 185, 290, white},
                            {"first column stays the axis", 32, 290, text},
                            {"grid line under the bar", 80, 290, masked(workspace, bar)},
                            {"grid line under the outline", 80, 280, masked(workspace, outline)},
                            {"band over the bar is darker", 44, 290, masked(band, bar)},
                            {"band over the outline", 44, 280, masked(band, outline)},
                        });
    placeBar(Shape::Shape7, 250, 20);
    expectPixels(renderPanel(panel), {{"grey grid line under the bar", 150, 264, masked(grid, bar)},
                                      {"last row 269 is the outline", 150, 269, outline},
                                      {"row 270 is outside", 150, 270, white}});
    placeBar(Shape::Shape7, 264, 1);
    expectPixels(renderPanel(panel),
                 {{"a bar of one row is all outline", 150, 264, masked(grid, outline)},
                  {"at its right end too", 184, 264, masked(grid, outline)},
                  {"nothing below it", 150, 265, white}});
}

TEST_F(GraphPanelRenderTest, NegativeHeightCoversTheRowsAboveTheTop)
{
    placeBar(Shape::Shape8, 280, -16);
    expectPixels(renderPanel(panel), {
                                         {"row T + H", 150, 264, masked(grid, outline)},
                                         {"inside", 150, 270, bar},
                                         {"row T - 1", 150, 279, outline},
                                         {"row T", 150, 280, white},
                                         {"above T + H", 150, 263, white},
                                     });
    placeBar(Shape::Shape8, 280, 0);
    expectPixels(renderPanel(panel), {{"height 0 covers nothing", 150, 280, white},
                                      {"nor the row above", 150, 279, white}});
}

TEST_F(GraphPanelRenderTest, DotIsABlackDiscCentredOnItsPoint)
{
    panel.shape(Shape::Shape4)->setShown(true);
    panel.shape(Shape::Shape4)->setLeft(98);
    panel.shape(Shape::Shape4)->setTop(146);
    // Centre (100, 150); rows of 3, 5, 5, 5 and 3 pixels.
    const QImage image = renderPanel(panel);
    const char* expected[] = {
        ".......", //
        "..XXX..", //
        ".XXXXX.", //
        ".XXXXX.", //
        ".XXXXX.", //
        "..XXX..", //
        ".......",
    };
    for (int row = 0; row < 7; ++row) {
        std::string seen;
        for (int column = 0; column < 7; ++column) {
            seen += pixelAt(image, 97 + column, 147 + row) == Qt::black ? 'X' : '.';
        }
        EXPECT_EQ(seen, expected[row]) << "row " << 147 + row;
    }

    panel.shape(Shape::Shape3)->setShown(true);
    panel.shape(Shape::Shape3)->setLeft(30);
    panel.shape(Shape::Shape3)->setTop(292);
    expectPixels(renderPanel(panel), {{"disc left of the axes' crossing", 30, 297, Qt::black},
                                      {"disc right of it", 34, 297, Qt::black},
                                      {"disc below it", 32, 298, Qt::black},
                                      {"corner stays clear", 34, 298, white},
                                      {"above the disc, in the band", 34, 293, band}});
}

TEST_F(GraphPanelRenderTest, ShapesAndSegmentsAreClippedToThePanel)
{
    placeBar(Shape::Shape7, 320, 100);
    panel.shape(Shape::Shape5)->setShown(true);
    panel.shape(Shape::Shape5)->setLeft(229);
    panel.shape(Shape::Shape5)->setTop(-3);
    panel.shape(Shape::Shape6)->setShown(true);
    panel.shape(Shape::Shape6)->setLeft(-1e9F);
    panel.shape(Shape::Shape6)->setTop(3e9F);
    panel.drawSegment(150, 200, 1e9F, -1e9F);
    panel.drawSegment(160, 250, 161, 1.3e6F);
    const QImage image = renderPanel(panel);
    expectPixels(image, {
                            {"bar reaches the bottom edge", 150, 332, bar},
                            {"dot at the right edge", 232, 1, Qt::black},
                            {"segment leaves at the top", 150, 200, Qt::black},
                            {"steep segment down", 160, 250, Qt::black},
                        });
}

// The middle of the digits' rows: tick label text stands level with the grid line it names.
TEST(GraphPanelLabelTest, TickLabelsStandLevelWithTheirGridLines)
{
    for (int index = 0; index < 4; ++index) {
        GraphPanel panel(index);
        hideMarkers(panel);
        const QImage image = renderPanel(panel);
        for (const auto* label : panel.findChildren<panels::PanelLabel*>()) {
            const auto& entry = label->entry();
            if (entry.font == content::LabelFont::Caption || entry.top >= 296) {
                continue;
            }
            SCOPED_TRACE("panel " + std::to_string(index) + " " +
                         label->objectName().toStdString());
            int firstDark = -1;
            int lastDark = -1;
            for (int y = entry.top; y < entry.top + entry.height; ++y) {
                for (int x = entry.left; x < entry.left + entry.width; ++x) {
                    if (qGray(image.pixel(x, y)) < 128) {
                        firstDark = firstDark < 0 ? y : firstDark;
                        lastDark = y;
                    }
                }
            }
            const int tickRow = entry.top + 8;
            ASSERT_GE(firstDark, 0) << "no text drawn";
            EXPECT_LE(std::abs((firstDark + lastDark) / 2.0 - tickRow), 1.5)
                << "text rows " << firstDark << " to " << lastDark;
        }
    }
}

TEST(GraphPanelCurveTest, CurvesSurviveRepaintsButNotHideAndShow)
{
    QWidget window;
    GraphPanel panel(0, &window);
    hideMarkers(panel);
    const QImage empty = renderPanel(panel);
    panel.drawSegment(40, 250, 120, 150);
    const QImage drawn = renderPanel(panel);
    ASSERT_NE(drawn, empty);
    EXPECT_EQ(drawn.pixelColor(80, 200), Qt::black);

    window.show();
    panel.repaint();
    EXPECT_EQ(panel.grab().toImage().convertToFormat(drawn.format()), drawn) << "after an expose";

    panel.setShown(false);
    panel.setShown(true);
    EXPECT_EQ(renderPanel(panel), empty) << "after hide and show";

    panel.drawSegment(40, 250, 120, 150);
    panel.setShown(true);
    EXPECT_EQ(renderPanel(panel), drawn) << "showing a shown panel keeps its curves";

    panel.clearCurves();
    EXPECT_EQ(renderPanel(panel), empty) << "after clear";
}

TEST(GraphPanelCurveTest, RepaintOfManyRectanglesPaintsEachOfThemAsAWholePaint)
{
    GraphPanel panel(3);
    hideMarkers(panel);
    panel.drawSegment(32, 296, 200, 20);
    panel.shape(Shape::Shape7)->setShown(true);
    panel.shape(Shape::Shape7)->setTop(296);
    panel.shape(Shape::Shape7)->setHeight(-250);
    panel.shape(Shape::Shape3)->setShown(true);
    const QImage whole = renderPanel(panel);

    QRegion region;
    region += QRect(0, 0, 60, 40);
    region += QRect(100, 30, 50, 280);
    region += QRect(20, 200, 200, 10);
    ASSERT_GT(region.rectCount(), 2);
    QImage part(whole.size(), whole.format());
    part.fill(Qt::magenta);
    panel.render(&part, QPoint(), region);

    int wrong = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb expected =
                region.contains(QPoint(x, y)) ? whole.pixel(x, y) : QColor(Qt::magenta).rgb();
            wrong += part.pixel(x, y) != expected ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(GraphPanelCurveTest, ClearKeepsDotsAndBarsAsTheyWere)
{
    GraphPanel panel(1);
    hideMarkers(panel);
    panel.shape(Shape::Shape7)->setShown(true);
    panel.shape(Shape::Shape7)->setTop(200);
    panel.shape(Shape::Shape7)->setHeight(30);
    const QImage withoutCurve = renderPanel(panel);
    panel.drawSegment(32, 296, 200, 40);
    panel.clearCurves();
    EXPECT_EQ(renderPanel(panel), withoutCurve);
    EXPECT_TRUE(panel.shape(Shape::Shape7)->isShown());
    EXPECT_EQ(panel.shape(Shape::Shape7)->top(), 200.0F);
}

} // namespace
