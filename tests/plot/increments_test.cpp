#include "plot/increments.h"

#include "plot/graph_catalogue.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using plot::GraphButton;

struct Row
{
    const char* name;
    GraphButton button;
    int acceleration;
    bool overflow;
    std::optional<double> early;
    std::optional<double> late;
};

// By hand, in axis units: s = a t^2 / 2; the E kin axis reads 0.04 a^2 t^2; v = a t;
// P = 0.08 a^2 t.
TEST(IncrementsTest, ReadTheGrowthOffTheValueAxis)
{
    const Row rows[] = {
        {"s a=20", GraphButton::Command1, 20, false, 0.025, 0.175},
        {"s a=-20 falls", GraphButton::Command1, -20, false, -0.025, -0.175},
        {"E kin a=20", GraphButton::Command2, 20, false, 0.04, 0.28},
        {"v a=20", GraphButton::Command3, 20, false, 1.0, 1.0},
        {"P a=20", GraphButton::Command4, 20, false, 1.6, 1.6},
        {"s a=0", GraphButton::Command1, 0, false, 0.0, 0.0},
        {"s a=30 ends before 0.2", GraphButton::Command1, 30, false, 0.0375, std::nullopt},
        {"s a=37 ends at 0.15", GraphButton::Command1, 37, false, 0.04625, std::nullopt},
        {"s a=400 ends before 0.05", GraphButton::Command1, 400, false, std::nullopt, std::nullopt},
        {"E kin a=182 overflows", GraphButton::Command2, 182, true, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& graph = plot::graphForButton(row.button);
        const plot::Increments increments =
            plot::incrementsOfRun(graph, static_cast<std::int16_t>(row.acceleration));
        EXPECT_EQ(increments.overflow, row.overflow);
        ASSERT_EQ(increments.early.has_value(), row.early.has_value());
        ASSERT_EQ(increments.late.has_value(), row.late.has_value());
        if (row.early) {
            EXPECT_NEAR(*increments.early, *row.early, 1e-12);
        }
        if (row.late) {
            EXPECT_NEAR(*increments.late, *row.late, 1e-12);
        }
    }
}

// The increments are what the bars show: bar height in pixels over pixels per axis unit.
TEST(IncrementsTest, AgreeWithTheBarHeights)
{
    const auto& graph = plot::graphForButton(GraphButton::Command1);
    const plot::Increments increments = plot::incrementsOfRun(graph, 20);
    EXPECT_NEAR(*increments.early * graph.axisPixelsPerUnit, 16.0, 1e-9);
    EXPECT_NEAR(*increments.late * graph.axisPixelsPerUnit, 112.0, 1e-9);
}

} // namespace
