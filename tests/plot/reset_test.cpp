// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/reset.h"

#include "winsys/recording_window_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using winsys::Operation;

// Which panels are shown, what the reset reads, and what it acts on.
TEST(ResetTest, ActsOnlyOnTheLowestShownPanel)
{
    struct Row
    {
        const char* name;
        std::vector<bool> shown;
        std::optional<int> reset;
    };
    const Row rows[] = {
        {"none shown", {false, false, false, false}, std::nullopt},
        {"panels 1 and 3 shown", {false, true, false, true}, 1},
        {"only panel 3", {false, false, false, true}, 3},
        {"all shown", {true, true, true, true}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        winsys::RecordingWindowSystem recording;
        for (int panel = 0; panel < 4; ++panel) {
            recording.setPanelVisible(panel, row.shown[static_cast<std::size_t>(panel)]);
        }
        recording.forgetOperations();
        EXPECT_EQ(plot::resetVisiblePanel(recording), row.reset);

        // It reads the panels in order up to the first shown one and looks no further; then
        // it hides that panel's six markers and clears it, in any order.
        std::vector<Operation> expected;
        for (int panel = 0; panel <= row.reset.value_or(3); ++panel) {
            expected.push_back(Operation::readPanelVisible(panel));
        }
        const auto reads = static_cast<std::ptrdiff_t>(expected.size());
        if (row.reset) {
            for (winsys::Shape marker : winsys::markerShapes) {
                expected.push_back(Operation::shapeVisible(marker, *row.reset, false));
            }
            expected.push_back(Operation::clear(*row.reset));
        }
        const auto& operations = recording.operations();
        ASSERT_EQ(operations.size(), expected.size());
        EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + reads, operations.begin()));
        EXPECT_TRUE(std::is_permutation(expected.begin() + reads, expected.end(),
                                        operations.begin() + reads));
    }
}

} // namespace
