// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_catalogue.h"

#include "winsys/runtime_error.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace {

using plot::GraphButton;

// Each panel belongs to one graph, and its formula label names that graph's quantity.
TEST(GraphCatalogueTest, EachPanelBelongsToOneGraphNamedByItsLabel)
{
    std::set<int> panels;
    for (int panel = 0; panel < 4; ++panel) {
        const plot::Graph& graph = plot::graphForPanel(panel);
        SCOPED_TRACE(graph.buttonCaption);
        EXPECT_EQ(&plot::graphForButton(graph.button), &graph);
        EXPECT_EQ(graph.formulaLabel.substr(0, graph.buttonCaption.size() + 1),
                  std::string(graph.buttonCaption) + " ");
        panels.insert(graph.panel);
    }
    EXPECT_EQ(panels.size(), 4U);
    EXPECT_THROW(plot::graphForPanel(4), std::out_of_range);
}

// Hand-checked values at t = 0.05 and t = 0.2 for a = 20 and a = -3.
TEST(GraphCatalogueTest, FormulasGiveTheQuantityOfMotion)
{
    struct Row
    {
        const char* name;
        plot::ValueFormula formula;
        std::int16_t acceleration;
        double time;
        double expected;
    };
    const Row rows[] = {
        {"s = a t^2 / 2", &plot::distance, 20, 0.2, 0.4},
        {"s negative", &plot::distance, -3, 0.2, -0.06},
        {"E kin = 0.02 a^2 t^2", &plot::kineticEnergy, 20, 0.05, 0.02},
        {"E kin of -a", &plot::kineticEnergy, -3, 0.2, 0.0072},
        {"v = a t", &plot::velocity, 20, 0.05, 1.0},
        {"v negative", &plot::velocity, -3, 0.2, -0.6},
        {"P = 0.08 a^2 t", &plot::power, 20, 0.2, 6.4},
        {"P of -a", &plot::power, -3, 0.05, 0.036},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(row.formula(row.acceleration, row.time), row.expected);
        EXPECT_EQ(row.formula(row.acceleration, 0.0), 0.0);
    }
}

TEST(GraphCatalogueTest, ProductFormulasOverflowBeforeTime)
{
    // The overflow does not depend on t: it fires at t = 0, in the first pass.
    EXPECT_THROW(plot::kineticEnergy(182, 0.0), winsys::RuntimeError);
    EXPECT_NO_THROW(plot::kineticEnergy(-181, 0.0));
    EXPECT_THROW(plot::power(-128, 0.0), winsys::RuntimeError);
    EXPECT_NO_THROW(plot::power(127, 0.0));
    EXPECT_NO_THROW(plot::distance(-32768, 0.35));
    EXPECT_NO_THROW(plot::velocity(32767, 0.35));
}

} // namespace
