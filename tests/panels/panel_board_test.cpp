// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_board.h"

#include "panel_render.h"
#include "panels/graph_panel.h"
#include "panels/panel_shape.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/runtime_error.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

using content::PanelColour;
using panels::GraphPanel;
using panels::testing::colourOf;
using panels::testing::masked;
using panels::testing::renderPanel;
using winsys::Shape;

class PanelBoardTest : public ::testing::Test
{
protected:
    void run(plot::GraphButton button, std::int16_t acceleration)
    {
        plot::plotRun(plot::graphForButton(button), acceleration, board);
    }

    GraphPanel& panel(int index) { return board.panel(index); }

    QWidget window;
    panels::PanelBoard board{&window};
};

// s-graph, a = 20: rows 296 - 6400 t^2 are 280, 152 and 40 at columns 56, 104 and 128.
TEST_F(PanelBoardTest, DistanceRunDrawsItsCurveAndBarsOnPanel3)
{
    run(plot::GraphButton::Command1, 20);
    EXPECT_TRUE(board.isPanelVisible(3));
    for (int other : {0, 1, 2}) {
        EXPECT_FALSE(board.isPanelVisible(other));
    }
    const QImage image = renderPanel(panel(3));
    const QColor white = colourOf(PanelColour::WindowBackground);
    const QColor bar = colourOf(PanelColour::BarBlue);
    const QColor outline = colourOf(PanelColour::BarOutline);
    EXPECT_EQ(image.pixelColor(56, 280), Qt::black);
    EXPECT_EQ(image.pixelColor(104, 152), Qt::black);
    EXPECT_EQ(image.pixelColor(128, 40), Qt::black);
    // Shape7: rows 280 to 295; Shape8: rows 40 to 151, each outlined on its first and last.
    EXPECT_EQ(image.pixelColor(150, 285).name().toStdString(), bar.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 280).name().toStdString(), outline.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 279).name().toStdString(), white.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 100).name().toStdString(), bar.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 150).name().toStdString(), bar.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 151).name().toStdString(), outline.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 152).name().toStdString(), white.name().toStdString());
    EXPECT_EQ(image.pixelColor(150, 40).name(),
              masked(colourOf(PanelColour::Workspace), outline).name());
    EXPECT_EQ(image.pixelColor(150, 39).name().toStdString(), white.name().toStdString());
    const auto* lastDot = panel(3).shape(Shape::Shape6);
    EXPECT_TRUE(lastDot->isShown());
    EXPECT_EQ(lastDot->top(), 36.0F);
    EXPECT_EQ(lastDot->left(), 126.0F);
}

TEST_F(PanelBoardTest, SwitchingGraphsBringsAPanelBackWithoutItsCurves)
{
    run(plot::GraphButton::Command3, 20);
    EXPECT_TRUE(panel(0).hasCurves());
    run(plot::GraphButton::Command3, 10);
    EXPECT_EQ(renderPanel(panel(0)).pixelColor(152, 136), Qt::black) << "first curve kept";
    run(plot::GraphButton::Command4, 20);
    run(plot::GraphButton::Command3, 10);
    const QImage image = renderPanel(panel(0));
    EXPECT_NE(image.pixelColor(152, 136), Qt::black) << "first curve gone";
    EXPECT_EQ(image.pixelColor(152, 216), Qt::black) << "new curve drawn";
}

// An overflow ends the run after the panel switch and the hides: a panel that was hidden comes
// back empty, one that was already shown keeps its earlier curve; no marker is shown.
TEST_F(PanelBoardTest, OverflowShowsThePanelWithoutMarkersOrNewCurve)
{
    struct Row
    {
        const char* name;
        bool otherGraphBetween;
        bool curveKept;
    };
    const Row rows[] = {{"panel hidden before", true, false}, {"panel shown before", false, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        run(plot::GraphButton::Command2, 20);
        if (row.otherGraphBetween) {
            run(plot::GraphButton::Command3, 20);
        }
        EXPECT_THROW(run(plot::GraphButton::Command2, 182), winsys::RuntimeError);
        EXPECT_TRUE(panel(2).isShown());
        EXPECT_FALSE(panel(0).isShown());
        EXPECT_EQ(panel(2).hasCurves(), row.curveKept);
        // The E kin curve of a = 20 passes row 219 at column 128.
        EXPECT_EQ(renderPanel(panel(2)).pixelColor(128, 219) == Qt::black, row.curveKept);
        for (Shape marker : winsys::markerShapes) {
            EXPECT_FALSE(panel(2).shape(marker)->isShown());
        }
    }
}

TEST_F(PanelBoardTest, ReadsTheFlagAsLastSetEvenUnshown)
{
    ASSERT_FALSE(window.isVisible());
    board.setPanelVisible(1, false);
    board.setPanelVisible(2, true);
    EXPECT_FALSE(board.isPanelVisible(1));
    EXPECT_TRUE(board.isPanelVisible(2));
    EXPECT_THROW(board.isPanelVisible(4), std::out_of_range);
}

} // namespace
