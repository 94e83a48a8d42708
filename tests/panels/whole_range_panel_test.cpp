#include "winsys/qt/qt_window_system.h"

#include "panel_render.h"
#include "panels/graph_panel.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/runtime_error.h"

#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using panels::GraphPanel;

// Every acceleration on every graph, drawn onto real panels (262 144 runs; curves pile up on
// each panel between graph switches). Every 4096th acceleration the panels are painted.
TEST(WholeRangePanelTest, EveryAccelerationDrawsWithoutFailing)
{
    QWidget window;
    const panels::PanelArray graphPanels = panels::createGraphPanels(&window);
    winsys::QtWindowSystem windows(graphPanels);
    QElapsedTimer timer;
    timer.start();
    int overflows = 0;
    for (int a = -32768; a <= 32767; ++a) {
        for (const plot::Graph& graph : plot::graphCatalogue) {
            try {
                plot::plotRun(graph, static_cast<std::int16_t>(a), windows);
            } catch (const winsys::RuntimeError&) {
                ++overflows;
            }
        }
        if (a % 4096 == 0) {
            for (GraphPanel* panel : graphPanels) {
                ASSERT_FALSE(panels::testing::renderPanel(*panel).isNull());
            }
        }
    }
    // E kin overflows for |a| >= 182, P for |a| >= 128.
    EXPECT_EQ(overflows, (65536 - 363) + (65536 - 255));
    std::printf("262144 runs through the Qt panels in %.1f s\n",
                static_cast<double>(timer.elapsed()) / 1000.0);
}

} // namespace
