// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/ignoring_window_system.h"
#include "winsys/runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

using winsys::Shape;

// Checks every segment as it arrives and keeps only what the invariants need, so a quarter
// of a million runs need no memory for their operations.
class InvariantSink : public winsys::IgnoringWindowSystem
{
public:
    void setShapeVisible(Shape shape, int, bool visible) override
    {
        state(shape).visible = visible;
    }
    void setShapeTop(Shape shape, int, float top) override { state(shape).top = top; }
    void setShapeLeft(Shape shape, int, float left) override { state(shape).left = left; }
    void setShapeHeight(Shape shape, int, float height) override
    {
        state(shape).height = height;
        ++heightsSet[static_cast<int>(shape) - 7];
    }
    void drawSegment(int, float x1, float y1, float x2, float y2) override
    {
        if (segments == 0) {
            startsAtOrigin = x1 == 32.0F && y1 == 296.0F;
        } else {
            chained = chained && x1 == lastX && y1 == lastY && x2 == lastX + 1.0F;
            // Every point before the last one lies at or below the top limit.
            belowLimitBeforeLast = belowLimitBeforeLast && lastY >= 32.0F;
        }
        ++segments;
        lastX = x2;
        lastY = y2;
    }

    struct ShapeState
    {
        bool visible = false;
        float top = NAN;
        float left = NAN;
        float height = NAN;
    };
    ShapeState& state(Shape shape) { return shapes[winsys::markerIndex(shape)]; }

    ShapeState shapes[6];
    int heightsSet[2] = {0, 0};
    int segments = 0;
    bool startsAtOrigin = false;
    bool chained = true;
    bool belowLimitBeforeLast = true;
    float lastX = 0.0F;
    float lastY = 0.0F;
};

// E kin and P overflow beyond their largest acceleration; s and v never.
bool overflowExpected(const plot::Graph& graph, int acceleration)
{
    return graph.largestAcceleration < 32767 && std::abs(acceleration) > graph.largestAcceleration;
}

// Every acceleration from -32768 to 32767 on all four graphs: 262 144 runs.
TEST(WholeRangeTest, EveryAccelerationKeepsTheRunInvariants)
{
    int failures = 0;
    for (const plot::Graph& graph : plot::graphCatalogue) {
        const bool sevenToOne = graph.button == plot::GraphButton::Command1 ||
                                graph.button == plot::GraphButton::Command2;
        for (int a = -32768; a <= 32767 && failures < 10; ++a) {
            InvariantSink sink;
            bool overflow = false;
            plot::RunResult result;
            try {
                result = plot::plotRun(graph, static_cast<std::int16_t>(a), sink);
            } catch (const winsys::RuntimeError& error) {
                overflow = error.number() == winsys::ErrorNumber::Overflow;
            }
            const auto fail = [&](const char* what) {
                ADD_FAILURE() << graph.buttonCaption << " a=" << a << ": " << what;
                ++failures;
            };
            if (overflow != overflowExpected(graph, a)) {
                fail("overflow exactly beyond the graph's largest acceleration");
            }
            if (overflow) {
                if (sink.segments != 0) {
                    fail("nothing drawn on overflow");
                }
                continue;
            }
            if (sink.segments < 2 || sink.segments > 169) {
                fail("2 to 169 segments");
            }
            if (!sink.startsAtOrigin || !sink.chained) {
                fail("one chain of segments from (32, 296), one column each");
            }
            if (!sink.belowLimitBeforeLast || !(sink.lastX == 200.0F || sink.lastY < 32.0F)) {
                fail("stops at the first point above row 32 or at column 200");
            }
            if (static_cast<float>(result.lastColumn) != sink.lastX) {
                fail("the result names the column of the last segment");
            }
            for (Shape dot : {Shape::Shape3, Shape::Shape4, Shape::Shape5, Shape::Shape6}) {
                if (result.completed(dot) != sink.state(dot).visible) {
                    fail("the result names the dots shown");
                }
            }
            if (result.completed(Shape::Shape7) != (sink.heightsSet[0] == 1) ||
                result.completed(Shape::Shape8) != (sink.heightsSet[1] == 2)) {
                fail("the result names the bars completed");
            }
            const auto& first = sink.state(Shape::Shape3);
            if (!first.visible || first.top != 292.0F || first.left != 30.0F) {
                fail("Shape3 at Top 292, Left 30");
            }
            // Both bars complete: the first set once at column 56, the second twice (104, 128).
            if (a != 0 && sink.heightsSet[0] == 1 && sink.heightsSet[1] == 2) {
                const double ratio = static_cast<double>(sink.state(Shape::Shape8).height) /
                                     sink.state(Shape::Shape7).height;
                if (std::abs(ratio - (sevenToOne ? 7.0 : 1.0)) > 1e-3 * ratio) {
                    fail(sevenToOne ? "second bar 7 times the first" : "both bars equal");
                }
            }
        }
    }
}

} // namespace
