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

        // It reads the panels in order up to the first shown one, and looks no further.
        const int lastRead = row.reset.value_or(3);
        std::vector<Operation> reads;
        for (int panel = 0; panel <= lastRead; ++panel) {
            reads.push_back(Operation::readPanelVisible(panel));
        }
        const auto& operations = recording.operations();
        ASSERT_GE(operations.size(), reads.size());
        EXPECT_TRUE(std::equal(reads.begin(), reads.end(), operations.begin()));
        if (!row.reset) {
            EXPECT_EQ(operations.size(), reads.size()) << "does nothing";
            continue;
        }
        // Then the six hides, in any order, and the clear, on that panel alone.
        std::vector<Operation> actions(
            std::next(operations.begin(), static_cast<std::ptrdiff_t>(reads.size())),
            operations.end());
        ASSERT_EQ(actions.size(), 7U);
        for (winsys::Shape marker : winsys::markerShapes) {
            const auto hide = Operation::shapeVisible(marker, *row.reset, false);
            EXPECT_EQ(std::count(actions.begin(), actions.end(), hide), 1);
        }
        EXPECT_EQ(std::count(actions.begin(), actions.end(), Operation::clear(*row.reset)), 1);
    }
}

} // namespace
