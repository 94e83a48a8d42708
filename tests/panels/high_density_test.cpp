#include "panels/graph_panel.h"

#include "panel_render.h"

#include <gtest/gtest.h>

namespace {

using panels::GraphPanel;
using panels::testing::hideMarkers;
using panels::testing::renderPanel;

// Runs with QT_SCALE_FACTOR=2: the panel keeps its logical size and renders twice the pixels.
TEST(HighDensityTest, RendersTwiceThePixelsWithThinCurves)
{
    GraphPanel panel(0);
    ASSERT_EQ(panel.devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    hideMarkers(panel);
    // A shallow line: a third of a row per column, so each device column holds one pixel of it.
    panel.drawSegment(40, 250, 190, 200);
    const QImage image = renderPanel(panel);
    ASSERT_EQ(image.size(), QSize(466, 666));
    for (int x = 2 * 140; x < 2 * 170; ++x) {
        if (x / 2 == 176) {
            continue; // a vertical grid line
        }
        int black = 0;
        for (int y = 2 * 195; y < 2 * 250; ++y) {
            black += image.pixelColor(x, y) == Qt::black ? 1 : 0;
        }
        EXPECT_EQ(black, 1) << "device column " << x;
    }
    // The time axis is 2 logical rows, 4 device rows, with no blurred edge.
    for (int y = 2 * 293; y < 2 * 299; ++y) {
        const QColor colour = image.pixelColor(300, y);
        const bool onAxis = y >= 2 * 295 && y < 2 * 297;
        EXPECT_EQ(colour == Qt::black, onAxis) << "device row " << y;
        EXPECT_TRUE(colour == Qt::black || colour == Qt::white) << "device row " << y;
    }
}

} // namespace
