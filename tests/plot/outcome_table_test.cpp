// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_catalogue.h"
#include "run_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using plot::GraphButton;
using plot::testing::runAndSummarize;
using plot::testing::RunSummary;
using winsys::Shape;

enum class Outcome {
    Overflow,        // nothing drawn
    BelowBaseRow,    // column 200, all markers, negative bar Heights
    Column200,       // four dots, both bars
    Column128To199,  // four dots, both bars
    Column105To127,  // three dots, second bar in its interim state
    FirstAboveAt104, // three dots, interim second bar with a negative Height
    Column56To103,   // two dots, first bar only
    Column33To55,    // first dot only, no bar
};

struct OutcomeRange
{
    GraphButton button;
    int from;
    int to;
    Outcome outcome;
    bool symmetric; // the graph depends on a * a: the row holds for -a as well
};

constexpr OutcomeRange outcomeRanges[] = {
    {GraphButton::Command1, -32768, -1, Outcome::BelowBaseRow, false},
    {GraphButton::Command1, 0, 6, Outcome::Column200, false},
    {GraphButton::Command1, 7, 21, Outcome::Column128To199, false},
    {GraphButton::Command1, 22, 36, Outcome::Column105To127, false},
    {GraphButton::Command1, 37, 37, Outcome::FirstAboveAt104, false},
    {GraphButton::Command1, 38, 359, Outcome::Column56To103, false},
    {GraphButton::Command1, 360, 32767, Outcome::Column33To55, false},

    {GraphButton::Command2, 0, 21, Outcome::Column200, true},
    {GraphButton::Command2, 22, 37, Outcome::Column128To199, true},
    {GraphButton::Command2, 38, 49, Outcome::Column105To127, true},
    {GraphButton::Command2, 50, 50, Outcome::FirstAboveAt104, true},
    {GraphButton::Command2, 51, 154, Outcome::Column56To103, true},
    {GraphButton::Command2, 155, 181, Outcome::Column33To55, true},
    {GraphButton::Command2, 182, 32767, Outcome::Overflow, true},

    {GraphButton::Command3, -32768, -1, Outcome::BelowBaseRow, false},
    {GraphButton::Command3, 0, 23, Outcome::Column200, false},
    {GraphButton::Command3, 24, 41, Outcome::Column128To199, false},
    {GraphButton::Command3, 42, 55, Outcome::Column105To127, false},
    {GraphButton::Command3, 56, 172, Outcome::Column56To103, false},
    {GraphButton::Command3, 173, 32767, Outcome::Column33To55, false},

    {GraphButton::Command4, 0, 19, Outcome::Column200, true},
    {GraphButton::Command4, 20, 26, Outcome::Column128To199, true},
    {GraphButton::Command4, 27, 30, Outcome::Column105To127, true},
    {GraphButton::Command4, 31, 53, Outcome::Column56To103, true},
    {GraphButton::Command4, 54, 127, Outcome::Column33To55, true},
    {GraphButton::Command4, 128, 32767, Outcome::Overflow, true},
};

std::vector<int> probesOf(const OutcomeRange& range)
{
    std::vector<int> probes = {range.from, range.to, range.from + (range.to - range.from) / 2};
    if (range.symmetric) {
        for (int probe : std::vector<int>(probes)) {
            probes.push_back(-probe);
        }
        if (range.to == 32767) {
            probes.push_back(-32768);
        }
    }
    return probes;
}

struct DotsAndBars
{
    bool dots[4];
    bool firstBar;
    bool secondBar;
};

DotsAndBars shown(const RunSummary& run)
{
    return {{run.shape(Shape::Shape3).visible, run.shape(Shape::Shape4).visible,
             run.shape(Shape::Shape5).visible, run.shape(Shape::Shape6).visible},
            run.shape(Shape::Shape7).visible,
            run.shape(Shape::Shape8).visible};
}

void expectShown(const RunSummary& run, int dotCount, bool firstBar, bool secondBar)
{
    const DotsAndBars markers = shown(run);
    for (int dot = 0; dot < 4; ++dot) {
        EXPECT_EQ(markers.dots[dot], dot < dotCount) << "Shape" << dot + 3;
    }
    EXPECT_EQ(markers.firstBar, firstBar) << "Shape7";
    EXPECT_EQ(markers.secondBar, secondBar) << "Shape8";
}

void expectLastColumnIn(const RunSummary& run, int first, int last)
{
    ASSERT_FALSE(run.segments.empty());
    EXPECT_GE(run.lastColumn(), first);
    EXPECT_LE(run.lastColumn(), last);
}

// Both bars complete: the second is 7 times the first for s and E kin (t^2: 0.2^2 - 0.15^2 is
// 7 times 0.05^2) and equal to it for v and P (linear in t).
void expectBarRatio(const RunSummary& run, GraphButton button, int acceleration)
{
    if (acceleration == 0) {
        return;
    }
    const float ratio =
        (button == GraphButton::Command1 || button == GraphButton::Command2) ? 7.0F : 1.0F;
    const float first = run.shape(Shape::Shape7).height.value();
    const float second = run.shape(Shape::Shape8).height.value();
    EXPECT_NEAR(second / first, ratio, 1e-4F * ratio);
}

void checkOutcome(const RunSummary& run, const OutcomeRange& range, int acceleration)
{
    const bool interimSecondBar = run.shape(Shape::Shape8).top == 32.0F;
    EXPECT_EQ(run.overflow, range.outcome == Outcome::Overflow);
    switch (range.outcome) {
    case Outcome::Overflow:
        EXPECT_TRUE(run.segments.empty());
        expectShown(run, 0, false, false);
        return;
    case Outcome::BelowBaseRow:
        EXPECT_EQ(run.lastColumn(), 200);
        expectShown(run, 4, true, true);
        EXPECT_LT(run.shape(Shape::Shape7).height.value(), 0.0F);
        EXPECT_LT(run.shape(Shape::Shape8).height.value(), 0.0F);
        expectBarRatio(run, range.button, acceleration);
        return;
    case Outcome::Column200:
        expectLastColumnIn(run, 200, 200);
        expectShown(run, 4, true, true);
        expectBarRatio(run, range.button, acceleration);
        break;
    case Outcome::Column128To199:
        expectLastColumnIn(run, 128, 199);
        expectShown(run, 4, true, true);
        expectBarRatio(run, range.button, acceleration);
        break;
    case Outcome::Column105To127:
        expectLastColumnIn(run, 105, 127);
        expectShown(run, 3, true, true);
        EXPECT_TRUE(interimSecondBar);
        break;
    case Outcome::FirstAboveAt104:
        EXPECT_EQ(run.lastColumn(), 104);
        expectShown(run, 3, true, true);
        EXPECT_TRUE(interimSecondBar);
        EXPECT_LT(run.shape(Shape::Shape8).height.value(), 0.0F);
        return;
    case Outcome::Column56To103:
        expectLastColumnIn(run, 56, 103);
        expectShown(run, 2, true, false);
        break;
    case Outcome::Column33To55:
        expectLastColumnIn(run, 33, 55);
        expectShown(run, 1, false, false);
        break;
    }
    EXPECT_FALSE(run.anyNegativeHeight);
}

TEST(OutcomeTableTest, EveryBoundaryAccelerationGivesItsOutcome)
{
    for (const OutcomeRange& range : outcomeRanges) {
        const plot::Graph& graph = plot::graphForButton(range.button);
        for (int acceleration : probesOf(range)) {
            SCOPED_TRACE(std::string(graph.buttonCaption) + " a=" + std::to_string(acceleration));
            checkOutcome(runAndSummarize(graph, acceleration), range, acceleration);
        }
    }
}

TEST(OutcomeTableTest, FirstDotAlwaysSitsOnTheOrigin)
{
    for (const plot::Graph& graph : plot::graphCatalogue) {
        for (int acceleration : {-32768, -1, 0, 1, 127, 181, 32767}) {
            const auto run = runAndSummarize(graph, acceleration);
            if (run.overflow) {
                continue;
            }
            SCOPED_TRACE(std::string(graph.buttonCaption) + " a=" + std::to_string(acceleration));
            EXPECT_EQ(run.shape(Shape::Shape3).top, 292.0F);
            EXPECT_EQ(run.shape(Shape::Shape3).left, 30.0F);
            EXPECT_GE(run.segments.size(), 2U);
            EXPECT_LE(run.segments.size(), 169U);
        }
    }
}

} // namespace
