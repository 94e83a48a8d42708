// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_shape.h"
#include "window_driver.h"

namespace {

using app::testing::WindowDriver;

TEST(ResetTest, OneResetErasesBothCurvesAndHidesTheMarkers)
{
    WindowDriver driver;
    driver.click("Command3");
    driver.typeIntoText1("10");
    driver.click("Command3");
    panels::GraphPanel& panel = driver.window.board().panel(0);
    // v = 20 t and 10 t at column 128 (t = 0.2) are rows 168 and 232.
    const QPoint curvePoints[] = {{128, 168}, {128, 232}};
    const QImage before = panel.grab().toImage();
    for (const QPoint& point : curvePoints) {
        ASSERT_EQ(before.pixelColor(point), Qt::black) << point.x() << "," << point.y();
    }

    driver.click("Command5");
    EXPECT_FALSE(panel.hasCurves());
    EXPECT_TRUE(panel.isVisible());
    for (winsys::Shape marker : winsys::markerShapes) {
        EXPECT_FALSE(panel.shape(marker)->isShown());
    }
    EXPECT_EQ(driver.window.acceleration(), 10);
    EXPECT_EQ(driver.text1(), "10");
    // Both curves are gone from the picture, not only from the flag.
    const QImage after = panel.grab().toImage();
    for (const QPoint& point : curvePoints) {
        EXPECT_NE(after.pixelColor(point), Qt::black) << point.x() << "," << point.y();
    }
}

} // namespace
