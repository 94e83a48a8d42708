#include "panel_render.h"
#include "panels/graph_panel.h"
#include "panels/qt_window_system.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/runtime_error.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

using panels::testing::renderPanel;

struct PanelSet
{
    QWidget window;
    panels::PanelArray panels = panels::createGraphPanels(&window);
    panels::QtWindowSystem windows{panels};

    bool run(const plot::Graph& graph, int acceleration)
    {
        try {
            plot::plotRun(graph, static_cast<std::int16_t>(acceleration), windows);
            return true;
        } catch (const winsys::RuntimeError&) {
            return false;
        }
    }
};

// Every acceleration on every graph, drawn onto the same four panels (262 144 runs). Each
// graph switch brings a panel back empty, so after the four runs of one acceleration every
// panel shows that acceleration's curve alone: every 4096th acceleration each panel must
// paint exactly as a fresh panel with that one run.
TEST(WholeRangePanelTest, EveryAccelerationDrawsAsOnAFreshPanel)
{
    PanelSet storm;
    int overflows = 0;
    for (int a = -32768; a <= 32767; ++a) {
        for (const plot::Graph& graph : plot::graphCatalogue) {
            overflows += storm.run(graph, a) ? 0 : 1;
        }
        if (a % 4096 != 0) {
            continue;
        }
        for (const plot::Graph& graph : plot::graphCatalogue) {
            SCOPED_TRACE(std::string(graph.buttonCaption) + " a=" + std::to_string(a));
            PanelSet fresh;
            fresh.run(graph, a);
            const auto index = static_cast<std::size_t>(graph.panel);
            ASSERT_EQ(renderPanel(*storm.panels[index]), renderPanel(*fresh.panels[index]));
        }
    }
    // E kin overflows for |a| >= 182, P for |a| >= 128.
    EXPECT_EQ(overflows, (65536 - 363) + (65536 - 255));
}

} // namespace
