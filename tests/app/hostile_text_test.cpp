// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using app::testing::WindowDriver;

// A megabyte of digits pasted into the real box: the value stays, the text goes back, the
// message appears, and the click still plots.
TEST(HostileTextTest, PastingAMegabyteIntoText1KeepsTheValue)
{
    WindowDriver driver;
    QGuiApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
    driver.click("Text1");
    driver.key(Qt::Key_A, Qt::ControlModifier);
    driver.key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(driver.text1().size(), 1 << 20) << "no length limit";
    driver.click("Command1");
    EXPECT_EQ(driver.window.acceleration(), 20);
    EXPECT_EQ(driver.text1(), "20");
    ASSERT_EQ(driver.messages.size(), 1U);
    EXPECT_LT(driver.messages[0].size(), 200U) << "the text is quoted shortened";
    EXPECT_TRUE(driver.window.board().panel(3).hasCurves());
}

} // namespace
