#include "app/reset.h"

#include "panels/panel_controls.h"
#include "window_driver.h"
#include "winsys/recording_window_system.h"

#include <algorithm>

namespace {

using app::testing::WindowDriver;
using winsys::Operation;
using winsys::Shape;

TEST(ResetTest, WithNoPanelShownOnlyLooksAtAllFour)
{
    winsys::RecordingWindowSystem recording;
    for (int panel = 0; panel < 4; ++panel) {
        recording.setPanelVisible(panel, false);
    }
    recording.forgetOperations();
    app::resetVisiblePanel(recording);
    const std::vector<Operation> expected = {
        Operation::readPanelVisible(0), Operation::readPanelVisible(1),
        Operation::readPanelVisible(2), Operation::readPanelVisible(3)};
    EXPECT_EQ(recording.operations(), expected);
}

TEST(ResetTest, ResetsOnlyTheLowestShownPanel)
{
    winsys::RecordingWindowSystem recording;
    for (int panel = 0; panel < 4; ++panel) {
        recording.setPanelVisible(panel, panel == 1 || panel == 3);
    }
    recording.forgetOperations();
    app::resetVisiblePanel(recording);
    const auto& operations = recording.operations();
    ASSERT_EQ(operations.size(), 9U);
    EXPECT_EQ(operations[0], Operation::readPanelVisible(0));
    EXPECT_EQ(operations[1], Operation::readPanelVisible(1));
    EXPECT_EQ(operations.back(), Operation::clear(1));
    for (int number = 3; number <= 8; ++number) {
        const auto hide = Operation::shapeVisible(static_cast<Shape>(number), 1, false);
        EXPECT_NE(std::find(operations.begin(), operations.end(), hide), operations.end());
    }
}

TEST(ResetTest, OneResetErasesBothCurvesAndHidesTheMarkers)
{
    WindowDriver driver;
    driver.click("Command3");
    driver.typeIntoText1("10");
    driver.click("Command3");
    panels::GraphPanel& panel = driver.window.panel(0);
    ASSERT_TRUE(panel.hasCurves());
    driver.click("Command5");
    EXPECT_FALSE(panel.hasCurves());
    EXPECT_TRUE(panel.isVisible());
    for (int number = 3; number <= 8; ++number) {
        EXPECT_FALSE(panel.shape(static_cast<Shape>(number))->isShown());
    }
    EXPECT_EQ(driver.window.acceleration(), 10);
    EXPECT_EQ(driver.text1(), "10");

    // Both curves are gone from the picture, not only from the flag: v = 20 t and 10 t at
    // column 128 (t = 0.2) are rows 168 and 232.
    const QImage image = panel.grab().toImage();
    EXPECT_NE(image.pixelColor(128, 168), Qt::black);
    EXPECT_NE(image.pixelColor(128, 232), Qt::black);
    driver.click("Command5");
    EXPECT_FALSE(panel.hasCurves()) << "a second reset changes nothing";
}

} // namespace
