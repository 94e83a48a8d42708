#include "plot/graph_catalogue.h"

#include "winsys/runtime_error.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using plot::GraphButton;

TEST(GraphCatalogueTest, BindsEachButtonToItsOwnPanel)
{
    struct Row
    {
        GraphButton button;
        const char* caption;
        int panel;
        const char* formulaLabel;
        int verticalFactor;
    };
    const Row rows[] = {
        {GraphButton::Command1, "s", 3, "s  =  0,5a * t²", 640},
        {GraphButton::Command2, "E kin", 2, "E kin  =  0,5m * v²", 240},
        {GraphButton::Command3, "v", 0, "v   =   a * t", 32},
        {GraphButton::Command4, "P", 1, "P  =  m * a * v", 24},
    };
    std::set<int> panels;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const plot::Graph& graph = plot::graphForButton(row.button);
        EXPECT_EQ(graph.buttonCaption, row.caption);
        EXPECT_EQ(graph.panel, row.panel);
        EXPECT_EQ(graph.formulaLabel, row.formulaLabel);
        EXPECT_EQ(graph.verticalFactor, row.verticalFactor);
        EXPECT_EQ(&plot::graphForPanel(row.panel), &graph);
        panels.insert(graph.panel);
    }
    EXPECT_EQ(panels.size(), 4U);
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

namespace {

TEST(GraphCatalogueTest, KnowsTheLargestAccelerationEachGraphDraws)
{
    const std::pair<GraphButton, int> rows[] = {
        {GraphButton::Command1, 32767},
        {GraphButton::Command2, 181},
        {GraphButton::Command3, 32767},
        {GraphButton::Command4, 127},
    };
    for (const auto& [button, largest] : rows) {
        const plot::Graph& graph = plot::graphForButton(button);
        SCOPED_TRACE(graph.buttonCaption);
        EXPECT_EQ(plot::largestDrawableAcceleration(graph), largest);
    }
}

} // namespace
