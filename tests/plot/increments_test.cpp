// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/increments.h"

#include "plot/graph_catalogue.h"
#include "run_summary.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using plot::GraphButton;
using winsys::Shape;

struct Row
{
    const char* name;
    GraphButton button;
    int acceleration;
    std::optional<double> early;
    std::optional<double> late;
};

// By hand, in axis units: s = a t^2 / 2; the E kin axis reads 0.04 a^2 t^2; v = a t;
// P = 0.08 a^2 t. Each increment is what its bar shows: Height over pixels per axis unit.
TEST(IncrementsTest, ReadTheGrowthOffTheValueAxisAsTheBarsShowIt)
{
    const Row rows[] = {
        {"s a=20", GraphButton::Command1, 20, 0.025, 0.175},
        {"s a=-20 falls", GraphButton::Command1, -20, -0.025, -0.175},
        {"E kin a=20", GraphButton::Command2, 20, 0.04, 0.28},
        {"v a=20", GraphButton::Command3, 20, 1.0, 1.0},
        {"P a=20", GraphButton::Command4, 20, 1.6, 1.6},
        {"s a=0", GraphButton::Command1, 0, 0.0, 0.0},
        {"s a=30 ends before 0.2", GraphButton::Command1, 30, 0.0375, std::nullopt},
        {"s a=37 ends at 0.15", GraphButton::Command1, 37, 0.04625, std::nullopt},
        {"s a=400 ends before 0.05", GraphButton::Command1, 400, std::nullopt, std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto& graph = plot::graphForButton(row.button);
        const auto run = plot::testing::runAndSummarize(graph, row.acceleration);
        ASSERT_TRUE(run.result.has_value());
        const plot::Increments increments = plot::incrementsOfRun(graph, *run.result);
        const std::pair<std::optional<double>, std::optional<double>> checks[] = {
            {increments.early, row.early}, {increments.late, row.late}};
        const Shape bars[] = {Shape::Shape7, Shape::Shape8};
        for (int bar = 0; bar < 2; ++bar) {
            const auto& [computed, expected] = checks[bar];
            ASSERT_EQ(computed.has_value(), expected.has_value()) << "bar " << bar + 1;
            if (expected) {
                EXPECT_NEAR(*computed, *expected, 1e-12);
                EXPECT_FLOAT_EQ(static_cast<float>(*computed * graph.axisPixelsPerUnit),
                                *run.shape(bars[bar]).height);
            }
        }
    }
}

} // namespace
