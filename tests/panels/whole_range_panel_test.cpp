// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_render.h"

#include <gtest/gtest.h>

namespace {

using panels::testing::PanelSet;
using panels::testing::renderPanel;

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
            ASSERT_EQ(renderPanel(storm.panel(graph.panel)), renderPanel(fresh.panel(graph.panel)));
        }
    }
    // E kin overflows for |a| >= 182, P for |a| >= 128.
    EXPECT_EQ(overflows, (65536 - 363) + (65536 - 255));
}

} // namespace
