// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/operation.h"

#include "winsys/recording_window_system.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

using winsys::Operation;
using winsys::Shape;

struct LineRow
{
    const char* name;
    Operation operation;
    const char* text;
};

TEST(OperationTest, PrintsOneTraceLinePerKind)
{
    const LineRow rows[] = {
        {"panel hidden", Operation::panelVisible(0, false), "visible Picture1(0) false"},
        {"panel read", Operation::readPanelVisible(2), "visible? Picture1(2)"},
        {"bar shown", Operation::shapeVisible(Shape::Shape7, 3, true), "visible Shape7(3) true"},
        {"segment with fraction", Operation::segment(3, 32, 296, 33, 295.972222F),
         "line Picture1(3) 32 296 33 295.97223"},
        {"negative row", Operation::segment(0, 32, 296, 33, -1888.4667F),
         "line Picture1(0) 32 296 33 -1888.4667"},
        {"top", Operation::shapeTop(Shape::Shape3, 1, 292), "top Shape3(1) 292"},
        {"left", Operation::shapeLeft(Shape::Shape6, 2, 126), "left Shape6(2) 126"},
        {"negative height", Operation::shapeHeight(Shape::Shape8, 2, -6), "height Shape8(2) -6"},
        {"clear", Operation::clear(1), "clear Picture1(1)"},
    };
    for (const LineRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(winsys::toString(row.operation), row.text);
    }
}

TEST(OperationTest, NumbersReadBackToTheSameFloat)
{
    // Values from across the range a plot run produces, including ones with long expansions.
    const float values[] = {295.972222F, 34.638889F,  9.541667F, -113.5875F, 1.3e6F,
                            0.1F,        1.0F / 3.0F, 117.6F,    -0.0F,      1080.0F};
    for (float value : values) {
        const std::string text = winsys::formatNumber(value);
        SCOPED_TRACE(text);
        float readBack = std::numeric_limits<float>::quiet_NaN();
        std::from_chars(text.data(), text.data() + text.size(), readBack);
        EXPECT_EQ(readBack, value);
        EXPECT_EQ(std::signbit(readBack), std::signbit(value));
    }
}

TEST(RecordingWindowSystemTest, AnswersVisibilityFromTheFlagLastSet)
{
    winsys::RecordingWindowSystem recording;
    EXPECT_FALSE(recording.isPanelVisible(1));
    recording.setPanelVisible(1, true);
    EXPECT_TRUE(recording.isPanelVisible(1));
    EXPECT_FALSE(recording.isPanelVisible(0));
    recording.setPanelVisible(1, false);
    EXPECT_FALSE(recording.isPanelVisible(1));
    ASSERT_EQ(recording.operations().size(), 6U);
    EXPECT_EQ(recording.operations()[1], Operation::panelVisible(1, true));
    EXPECT_EQ(recording.operations()[3], Operation::readPanelVisible(0));
}

} // namespace
