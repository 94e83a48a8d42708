// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/pixel_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace {

using content::Bounds;
using content::clipSegment;
using content::Segment;

constexpr Bounds box{0, 0, 100, 50};
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

struct ClipRow
{
    const char* name;
    Segment input;
    std::optional<Segment> expected;
};

TEST(ClipSegmentTest, KeepsExactlyThePartInsideTheBox)
{
    const ClipRow rows[] = {
        {"inside stays as it is", {10, 10, 20, 30}, Segment{10, 10, 20, 30}},
        {"point inside", {5, 5, 5, 5}, Segment{5, 5, 5, 5}},
        {"crosses the top edge", {10, 10, 20, -10}, Segment{10, 10, 15, 0}},
        {"crosses two edges", {-10, 25, 110, 25}, Segment{0, 25, 100, 25}},
        {"on the edge", {0, 0, 100, 0}, Segment{0, 0, 100, 0}},
        {"wholly above", {10, -5, 20, -1}, std::nullopt},
        {"wholly left, vertical", {-1, 0, -1, 50}, std::nullopt},
        {"passes the corner outside", {-10, 5, 5, -10}, std::nullopt},
        // s-graph at a = -32768: a row of about 1.3e6 at the next column.
        {"huge row below", {33, 30, 34, 1.3e6}, Segment{33, 30, 33 + 20.0 / (1.3e6 - 30), 50}},
        {"huge row above", {34, 40, 35, -1e9}, Segment{34, 40, 34 + 40.0 / (1e9 + 40), 0}},
        {"infinite end", {10, 10, inf, 10}, std::nullopt},
        {"NaN end", {10, nan, 20, 10}, std::nullopt},
    };
    for (const ClipRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto clipped = clipSegment(row.input, box);
        ASSERT_EQ(clipped.has_value(), row.expected.has_value());
        if (clipped) {
            EXPECT_NEAR(clipped->x1, row.expected->x1, 1e-6);
            EXPECT_NEAR(clipped->y1, row.expected->y1, 1e-6);
            EXPECT_NEAR(clipped->x2, row.expected->x2, 1e-6);
            EXPECT_NEAR(clipped->y2, row.expected->y2, 1e-6);
        }
    }
}

TEST(ToDevicePixelTest, RoundsToTheNearestPixelAndClampsTheRest)
{
    struct Row
    {
        const char* name;
        double logical;
        double scale;
        int expected;
    };
    const Row rows[] = {
        {"whole row", 296.0, 1.0, 296},
        {"just under", 295.97223, 1.0, 296},
        {"below half", 29.4, 1.0, 29},
        {"half goes down the page", 29.5, 1.0, 30},
        {"negative", -113.5875, 1.0, -114},
        {"double density", 296.0, 2.0, 592},
        {"double density fraction", 295.97223, 2.0, 592},
        {"one and a half", 10.0, 1.5, 15},
        {"clamped high", 1e30, 1.0, 1000000},
        {"clamped low", -inf, 2.0, -2000000},
        {"NaN goes far off", nan, 1.0, -1000000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(content::toDevicePixel(row.logical, row.scale), row.expected);
    }
}

// Every other pixel of the outermost ring, each once, for the panel and for degenerate sizes.
TEST(FocusMarkDotsTest, DotsEveryOtherPixelOfTheRingOnce)
{
    for (const auto& [width, height] : {std::pair{233, 333}, {1, 1}, {4, 1}, {1, 5}, {2, 2}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        std::multiset<std::pair<int, int>> ring; // each pixel once, by brute force
        for (int x = 0; x < width; ++x) {
            for (int y = 0; y < height; ++y) {
                const bool onRing = x == 0 || y == 0 || x == width - 1 || y == height - 1;
                if (onRing && (x + y) % 2 == 0) {
                    ring.insert({x, y});
                }
            }
        }
        std::multiset<std::pair<int, int>> dots;
        for (const content::PixelRect& dot : content::focusMarkDots(width, height)) {
            EXPECT_EQ(dot.width * dot.height, 1);
            dots.insert({dot.left, dot.top});
        }
        EXPECT_EQ(dots, ring);
    }
}

} // namespace
