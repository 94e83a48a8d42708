// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_run.h"

#include "plot/graph_catalogue.h"
#include "run_summary.h"
#include "winsys/operation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using plot::GraphButton;
using plot::testing::runAndSummarize;
using winsys::Operation;
using winsys::Shape;

const plot::Graph& sGraph()
{
    return plot::graphForButton(GraphButton::Command1);
}
const plot::Graph& kineticGraph()
{
    return plot::graphForButton(GraphButton::Command2);
}
const plot::Graph& velocityGraph()
{
    return plot::graphForButton(GraphButton::Command3);
}
const plot::Graph& powerGraph()
{
    return plot::graphForButton(GraphButton::Command4);
}

std::vector<Operation> withoutSegments(const std::vector<Operation>& operations)
{
    std::vector<Operation> rest;
    std::copy_if(operations.begin(), operations.end(), std::back_inserter(rest),
                 [](const Operation& op) { return op.kind != Operation::Kind::Segment; });
    return rest;
}

// The s-graph with a = 20 pass by pass: rows 296, 280, 152 and 40 at the reference columns
// (296 - 640 * 10 * t^2 with t = 0, 0.05, 0.15, 0.2).
TEST(PlotRunTest, WorkedExampleOfTheDistanceGraph)
{
    const auto run = runAndSummarize(sGraph(), 20);
    ASSERT_FALSE(run.overflow);
    EXPECT_EQ(run.operations.size(), 129U);
    ASSERT_EQ(run.segments.size(), 99U);

    const std::vector<Operation> expectedMarkers = {
        Operation::panelVisible(0, false),
        Operation::panelVisible(1, false),
        Operation::panelVisible(2, false),
        Operation::panelVisible(3, true),
        Operation::shapeVisible(Shape::Shape7, 3, false),
        Operation::shapeVisible(Shape::Shape8, 3, false),
        Operation::shapeVisible(Shape::Shape3, 3, false),
        Operation::shapeVisible(Shape::Shape4, 3, false),
        Operation::shapeVisible(Shape::Shape5, 3, false),
        Operation::shapeVisible(Shape::Shape6, 3, false),
        // column 32
        Operation::shapeVisible(Shape::Shape3, 3, true),
        Operation::shapeTop(Shape::Shape3, 3, 292),
        Operation::shapeLeft(Shape::Shape3, 3, 30),
        // column 56
        Operation::shapeVisible(Shape::Shape4, 3, true),
        Operation::shapeTop(Shape::Shape4, 3, 276),
        Operation::shapeLeft(Shape::Shape4, 3, 54),
        Operation::shapeVisible(Shape::Shape7, 3, true),
        Operation::shapeTop(Shape::Shape7, 3, 280),
        Operation::shapeHeight(Shape::Shape7, 3, 16),
        // column 104
        Operation::shapeVisible(Shape::Shape5, 3, true),
        Operation::shapeTop(Shape::Shape5, 3, 148),
        Operation::shapeLeft(Shape::Shape5, 3, 102),
        Operation::shapeVisible(Shape::Shape8, 3, true),
        Operation::shapeTop(Shape::Shape8, 3, 32),
        Operation::shapeHeight(Shape::Shape8, 3, 120),
        // column 128
        Operation::shapeVisible(Shape::Shape6, 3, true),
        Operation::shapeTop(Shape::Shape6, 3, 36),
        Operation::shapeLeft(Shape::Shape6, 3, 126),
        Operation::shapeTop(Shape::Shape8, 3, 40),
        Operation::shapeHeight(Shape::Shape8, 3, 112),
    };
    EXPECT_EQ(withoutSegments(run.operations), expectedMarkers);

    EXPECT_EQ(run.segments.front(), Operation::segment(3, 32, 296, 32, 296));
    EXPECT_EQ(winsys::toString(run.segments[1]), "line Picture1(3) 32 296 33 295.97223");
    EXPECT_EQ(winsys::toString(run.segments.back()), "line Picture1(3) 129 34.63889 130 29.222221");

    // Each marker case follows directly on the segment of its own column.
    const auto markerAfterColumn = [&](int column) {
        const auto segment = std::find_if(
            run.operations.begin(), run.operations.end(), [column](const Operation& op) {
                return op.kind == Operation::Kind::Segment && op.x2 == static_cast<float>(column);
            });
        return *(segment + 1);
    };
    EXPECT_EQ(markerAfterColumn(32), Operation::shapeVisible(Shape::Shape3, 3, true));
    EXPECT_EQ(markerAfterColumn(56), Operation::shapeVisible(Shape::Shape4, 3, true));
    EXPECT_EQ(markerAfterColumn(104), Operation::shapeVisible(Shape::Shape5, 3, true));
    EXPECT_EQ(markerAfterColumn(128), Operation::shapeVisible(Shape::Shape6, 3, true));
}

TEST(PlotRunTest, SegmentsFormOneChainFromTheOrigin)
{
    for (const plot::Graph& graph : plot::graphCatalogue) {
        for (int acceleration : {-32768, -20, 0, 1, 20, 37, 127, 330, 32767}) {
            const auto run = runAndSummarize(graph, acceleration);
            if (run.overflow) {
                continue;
            }
            SCOPED_TRACE(std::string(graph.buttonCaption) + " a=" + std::to_string(acceleration));
            ASSERT_FALSE(run.segments.empty());
            EXPECT_EQ(run.segments.front().x1, 32.0F);
            EXPECT_EQ(run.segments.front().y1, 296.0F);
            for (std::size_t i = 1; i < run.segments.size(); ++i) {
                EXPECT_EQ(run.segments[i].x1, run.segments[i - 1].x2);
                EXPECT_EQ(run.segments[i].y1, run.segments[i - 1].y2);
                EXPECT_EQ(run.segments[i].x2, run.segments[i].x1 + 1.0F);
                EXPECT_EQ(run.segments[i].panel, graph.panel);
            }
        }
    }
}

// s = a t^2 / 2 read off the s-graph's rows, computed here from the physics, not the loop.
TEST(PlotRunTest, DistanceRowsFollowHalfATSquared)
{
    for (int acceleration : {-7, 1, 5, 20}) {
        SCOPED_TRACE(acceleration);
        const auto run = runAndSummarize(sGraph(), acceleration);
        for (const Operation& segment : run.segments) {
            const double time = (segment.x2 - 32.0) / 480.0;
            const double distance = 0.5 * acceleration * time * time;
            EXPECT_FLOAT_EQ(segment.y2, static_cast<float>(296.0 - 640.0 * distance));
        }
    }
}

struct Expected
{
    int segments;
    float lastRow;
    float bar1Top, bar1Height, bar2Top, bar2Height;
};

struct SpecialRow
{
    const char* name;
    const plot::Graph& graph;
    int acceleration;
    Expected expected;
};

// Hand-checkable cases: rows from 296 - k q at t = 0.05 and 0.2 (and 0.15, 0.35).
TEST(PlotRunTest, SpecialAccelerationsLeaveTheStatedBars)
{
    const SpecialRow rows[] = {
        {"s a=20", sGraph(), 20, {99, 29.222222F, 280, 16, 40, 112}},
        {"E kin a=20", kineticGraph(), 20, {169, 60.8F, 291.2F, 4.8F, 219.2F, 33.6F}},
        {"v a=20", velocityGraph(), 20, {169, 72, 264, 32, 168, 32}},
        {"P a=20 passes row 32.0 at column 197",
         powerGraph(),
         20,
         {167, 30.4F, 257.6F, 38.4F, 142.4F, 38.4F}},
        {"s a=0", sGraph(), 0, {169, 296, 296, 0, 296, 0}},
        {"E kin a=0", kineticGraph(), 0, {169, 296, 296, 0, 296, 0}},
        {"v a=0", velocityGraph(), 0, {169, 296, 296, 0, 296, 0}},
        {"P a=0", powerGraph(), 0, {169, 296, 296, 0, 296, 0}},
        {"s a=6", sGraph(), 6, {169, 60.8F, 291.2F, 4.8F, 219.2F, 33.6F}},
        {"s a=21", sGraph(), 21, {97, 27.2F, 279.2F, 16.8F, 27.2F, 117.6F}},
        {"s a=-20", sGraph(), -20, {169, 1080, 312, -16, 552, -112}},
        {"v a=-20", velocityGraph(), -20, {169, 520, 328, -32, 424, -32}},
        {"v a=24 passes row 32.0 at column 197",
         velocityGraph(),
         24,
         {167, 30.4F, 257.6F, 38.4F, 142.4F, 38.4F}},
    };
    for (const SpecialRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto run = runAndSummarize(row.graph, row.acceleration);
        ASSERT_FALSE(run.overflow);
        EXPECT_EQ(run.segments.size(), static_cast<std::size_t>(row.expected.segments));
        EXPECT_FLOAT_EQ(run.lastRow(), row.expected.lastRow);
        const auto& bar1 = run.shape(Shape::Shape7);
        const auto& bar2 = run.shape(Shape::Shape8);
        EXPECT_TRUE(bar1.visible && bar2.visible);
        EXPECT_FLOAT_EQ(bar1.top.value_or(NAN), row.expected.bar1Top);
        EXPECT_FLOAT_EQ(bar1.height.value_or(NAN), row.expected.bar1Height);
        EXPECT_FLOAT_EQ(bar2.top.value_or(NAN), row.expected.bar2Top);
        EXPECT_FLOAT_EQ(bar2.height.value_or(NAN), row.expected.bar2Height);
    }
}

TEST(PlotRunTest, FlatCurveAtZeroPlacesDotsOnTheBaseRow)
{
    const auto run = runAndSummarize(sGraph(), 0);
    for (const Operation& segment : run.segments) {
        EXPECT_EQ(segment.y1, 296.0F);
        EXPECT_EQ(segment.y2, 296.0F);
    }
    const std::pair<Shape, float> dots[] = {
        {Shape::Shape3, 30}, {Shape::Shape4, 54}, {Shape::Shape5, 102}, {Shape::Shape6, 126}};
    for (const auto& [dot, left] : dots) {
        EXPECT_TRUE(run.shape(dot).visible);
        EXPECT_EQ(run.shape(dot).top, 292.0F);
        EXPECT_EQ(run.shape(dot).left, left);
    }
    // The second bar's interim state from column 104 spans row 32 down to the base row.
    const std::vector<Operation> markers = withoutSegments(run.operations);
    EXPECT_NE(
        std::find(markers.begin(), markers.end(), Operation::shapeHeight(Shape::Shape8, 3, 264)),
        markers.end());
}

TEST(PlotRunTest, RowExactlyAtTheTopLimitDoesNotEndTheRun)
{
    // s, a = 330: 296 - 640 * 165 * (1/20)^2 = 32 exactly at column 56.
    const auto distance = runAndSummarize(sGraph(), 330);
    EXPECT_EQ(distance.lastColumn(), 57);
    EXPECT_FLOAT_EQ(distance.lastRow(), 9.541667F);
    EXPECT_EQ(distance.shape(Shape::Shape7).top, 32.0F);
    EXPECT_EQ(distance.shape(Shape::Shape7).height, 264.0F);
    EXPECT_FALSE(distance.shape(Shape::Shape5).visible);

    // v, a = 55: 296 - 32 * 55 * 0.15 = 32 exactly at column 104.
    const auto velocity = runAndSummarize(velocityGraph(), 55);
    EXPECT_EQ(velocity.lastColumn(), 105);
    EXPECT_EQ(velocity.shape(Shape::Shape8).top, 32.0F);
    EXPECT_EQ(velocity.shape(Shape::Shape8).height, 0.0F);
    EXPECT_FALSE(velocity.shape(Shape::Shape6).visible);
}

TEST(PlotRunTest, HugeAccelerationsOvershootByOneSegment)
{
    const auto distance = runAndSummarize(sGraph(), 32767);
    ASSERT_EQ(distance.segments.size(), 4U);
    EXPECT_EQ(winsys::toString(distance.segments.back()),
              "line Picture1(3) 34 113.96111 35 -113.5875");

    const auto velocity = runAndSummarize(velocityGraph(), 32767);
    ASSERT_EQ(velocity.segments.size(), 2U);
    EXPECT_EQ(winsys::toString(velocity.segments.back()), "line Picture1(0) 32 296 33 -1888.4667");
    EXPECT_TRUE(velocity.shape(Shape::Shape3).visible);
    EXPECT_FALSE(velocity.shape(Shape::Shape4).visible);

    const auto power = runAndSummarize(powerGraph(), 127);
    EXPECT_EQ(power.lastColumn(), 37);
    EXPECT_NEAR(power.lastRow(), -26.58F, 0.005F);

    EXPECT_EQ(runAndSummarize(kineticGraph(), 181).lastColumn(), 52);
}

TEST(PlotRunTest, KineticEnergyFallsBelowTheLimitAtColumn104)
{
    // 296 - 240 * 2500 * 0.15^2 * 0.02 = 26 at column 104: the interim bar gets 26 - 32.
    for (int acceleration : {50, -50}) {
        SCOPED_TRACE(acceleration);
        const auto run = runAndSummarize(kineticGraph(), acceleration);
        EXPECT_EQ(run.lastColumn(), 104);
        EXPECT_FLOAT_EQ(run.shape(Shape::Shape5).top.value_or(NAN), 22.0F);
        EXPECT_EQ(run.shape(Shape::Shape8).top, 32.0F);
        EXPECT_FLOAT_EQ(run.shape(Shape::Shape8).height.value_or(NAN), -6.0F);
    }
}

TEST(PlotRunTest, SquaredGraphsDrawTheSameForOppositeAccelerations)
{
    for (const plot::Graph* graph : {&kineticGraph(), &powerGraph()}) {
        for (int acceleration : {1, 20, 50, 127}) {
            SCOPED_TRACE(std::string(graph->buttonCaption) + " " + std::to_string(acceleration));
            EXPECT_EQ(runAndSummarize(*graph, acceleration).operations,
                      runAndSummarize(*graph, -acceleration).operations);
        }
    }
}

TEST(PlotRunTest, OverflowEndsTheRunAfterSwitchingAndHidingOnly)
{
    const std::pair<const plot::Graph*, int> rows[] = {
        {&kineticGraph(), 182}, {&kineticGraph(), -182}, {&kineticGraph(), -32768},
        {&powerGraph(), 128},   {&powerGraph(), -128},   {&powerGraph(), 16384},
        {&powerGraph(), 32767},
    };
    for (const auto& [graph, acceleration] : rows) {
        SCOPED_TRACE(std::string(graph->buttonCaption) + " " + std::to_string(acceleration));
        const auto run = runAndSummarize(*graph, acceleration);
        EXPECT_TRUE(run.overflow);
        ASSERT_EQ(run.operations.size(), 10U);
        EXPECT_EQ(run.operations.at(static_cast<std::size_t>(graph->panel)),
                  Operation::panelVisible(graph->panel, true));
        EXPECT_EQ(run.operations[9], Operation::shapeVisible(Shape::Shape6, graph->panel, false));
        EXPECT_TRUE(run.segments.empty());
    }
}

} // namespace

namespace {

// Whether the exact rational row at n = column - 32 is at or below row 32 (the run goes on),
// decided in 64-bit integers: 296 - k q >= 32 means k q <= 264.
bool exactRowPasses(plot::GraphButton button, std::int64_t a, std::int64_t n)
{
    switch (button) {
    case GraphButton::Command1: // 640 a n^2 / (2 * 480^2)
        return std::int64_t{640} * a * n * n <= 264LL * 2 * 480 * 480;
    case GraphButton::Command2: // 240 * 20 a^2 n^2 / (1000 * 480^2)
        return std::int64_t{4800} * a * a * n * n <= 264LL * 1000 * 480 * 480;
    case GraphButton::Command3: // 32 a n / 480
        return std::int64_t{32} * a * n <= 264LL * 480;
    case GraphButton::Command4: // 24 * 2 a^2 n / (25 * 480)
        return std::int64_t{48} * a * a * n <= 264LL * 25 * 480;
    }
    return false;
}

// The formulas' order of operations makes the double stop test agree with exact arithmetic at
// every acceleration and column, so no curve stops one column early or late by rounding.
TEST(PlotRunTest, StopTestDecidesAsExactArithmeticWould)
{
    for (const plot::Graph& graph : plot::graphCatalogue) {
        SCOPED_TRACE(graph.buttonCaption);
        const int limit = graph.largestAcceleration;
        int disagreements = 0;
        for (int a = limit == 32767 ? -32768 : -limit; a <= limit; ++a) {
            for (int column = 32; column <= 200; ++column) {
                const double row = plot::curveRow(graph, static_cast<std::int16_t>(a), column);
                if ((row >= 32.0) != exactRowPasses(graph.button, a, column - 32)) {
                    ADD_FAILURE_AT(__FILE__, __LINE__) << "a=" << a << " column=" << column;
                    if (++disagreements > 5) {
                        return;
                    }
                }
            }
        }
    }
}

} // namespace
