// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <vector>

namespace {

using app::testing::WindowDriver;

// The window tells a panel each acceleration it drew, for the worksheet copy's redrawing and
// legend: each once, in the order first drawn, forgotten with the curves.
TEST(WorksheetCopyTest, EachPanelKnowsTheAccelerationsOfItsCurves)
{
    using Accelerations = std::vector<std::int16_t>;
    WindowDriver driver;
    const auto plot = [&driver](const char* button, const char* acceleration) {
        driver.typeIntoText1(acceleration);
        driver.click(button);
    };
    const panels::GraphPanel& distance = driver.window.board().panel(3);
    for (const char* acceleration : {"10", "20", "10", "40"}) {
        plot("Command1", acceleration);
    }
    EXPECT_EQ(distance.drawnAccelerations(), (Accelerations{10, 20, 40}));

    driver.click("Command5"); // zurücksetzen
    EXPECT_TRUE(distance.drawnAccelerations().empty());

    plot("Command1", "30");
    plot("Command3", "40");
    driver.click("Command1");
    EXPECT_EQ(distance.drawnAccelerations(), Accelerations{40}) << "shown again, it starts afresh";

    plot("Command2", "181");
    plot("Command2", "182");
    EXPECT_EQ(driver.window.board().panel(2).drawnAccelerations(), Accelerations{181})
        << "a run that overflows draws nothing and names nothing";
}

} // namespace
