// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include "panels/panel_shape.h"

#include <optional>

namespace {

using app::testing::WindowDriver;
using winsys::Shape;

// The first bar of the s-graph is 640 * a / 2 * 0.05^2 = 0.8 a rows high: 28 for a = 35.
float firstDistanceBar(const WindowDriver& driver)
{
    return driver.window.board().panel(3).shape(Shape::Shape7)->height();
}

TEST(AccelerationBoxTest, TypedValuePlotsInTheClickThatLeavesTheBox)
{
    WindowDriver driver;
    driver.typeIntoText1("35");
    EXPECT_EQ(driver.window.acceleration(), 20) << "typing alone changes nothing";
    driver.click("Command1");
    EXPECT_EQ(driver.window.acceleration(), 35);
    EXPECT_FLOAT_EQ(firstDistanceBar(driver), 28.0F);
    EXPECT_EQ(driver.focusName(), "Command1");
}

TEST(AccelerationBoxTest, StartValuePlotsWithoutTyping)
{
    WindowDriver driver;
    driver.click("Command1");
    EXPECT_FLOAT_EQ(firstDistanceBar(driver), 16.0F);
}

TEST(AccelerationBoxTest, TabAndSpaceValidateBeforeTheClick)
{
    WindowDriver driver;
    driver.typeIntoText1("35");
    driver.key(Qt::Key_Tab);
    EXPECT_EQ(driver.focusName(), "Command5");
    EXPECT_EQ(driver.window.acceleration(), 35);

    // Backtab from Text1 to the s-panel validates too; then Space on a focused button.
    driver.typeIntoText1("10");
    driver.key(Qt::Key_Backtab);
    EXPECT_EQ(driver.focusName(), "Picture1(3)");
    EXPECT_EQ(driver.window.acceleration(), 10);
    for (int step = 0; step < 4; ++step) {
        driver.key(Qt::Key_Backtab);
    }
    ASSERT_EQ(driver.focusName(), "Command1");
    driver.key(Qt::Key_Space);
    EXPECT_FLOAT_EQ(firstDistanceBar(driver), 8.0F);
}

TEST(AccelerationBoxTest, ConvertsTheTypedTextOrKeepsTheValue)
{
    struct Row
    {
        const char* text;
        std::optional<int> value; // nullopt: fails, the value before stays
    };
    const Row rows[] = {
        {"12", 12},    {"-4", -4},     {"32767", 32767}, {"-32768", -32768},
        {"32768", {}}, {"-32769", {}}, {"", {}},         {"abc", {}},
        {" 2,5 ", 2},  {"3,5", 4},     {"1.000", {}},    {"+7", 7},
    };
    WindowDriver driver;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        driver.typeIntoText1("-9");
        driver.click("Command5");
        ASSERT_EQ(driver.window.acceleration(), -9);
        driver.messages.clear();

        driver.typeIntoText1(QString::fromUtf8(row.text));
        driver.click("Command5");
        if (row.value) {
            EXPECT_EQ(driver.window.acceleration(), *row.value);
            EXPECT_EQ(driver.text1(), QString::fromUtf8(row.text)) << "the text stays as typed";
            EXPECT_TRUE(driver.messages.empty());
        } else {
            EXPECT_EQ(driver.window.acceleration(), -9);
            EXPECT_EQ(driver.text1(), "-9") << "put back to the last text that converted";
            ASSERT_EQ(driver.messages.size(), 1U);
            EXPECT_NE(driver.messages[0].find(std::string("„") + row.text + "“"), std::string::npos)
                << driver.messages[0];
            EXPECT_NE(driver.messages[0].find("bleibt -9"), std::string::npos)
                << driver.messages[0];
        }
    }
}

TEST(AccelerationBoxTest, RejectedTextStillLetsTheClickPlotWithTheKeptValue)
{
    WindowDriver driver;
    driver.typeIntoText1("zwanzig");
    driver.click("Command1");
    EXPECT_EQ(driver.text1(), "20");
    EXPECT_EQ(driver.messages.size(), 1U);
    EXPECT_TRUE(driver.window.board().panel(3).hasCurves());
    EXPECT_FLOAT_EQ(firstDistanceBar(driver), 16.0F);
}

TEST(AccelerationBoxTest, LeavingWithoutTypingChangesNothingVisible)
{
    WindowDriver driver;
    driver.click("Text1");
    driver.click("Command5");
    EXPECT_EQ(driver.text1(), "20");
    EXPECT_EQ(driver.window.acceleration(), 20);
    EXPECT_TRUE(driver.messages.empty());
}

TEST(AccelerationBoxTest, OverflowReportsAndTheNextClickPlotsNormally)
{
    struct Row
    {
        const char* button;
        int panel;
        const char* tooLarge;
        const char* largestNamed;
    };
    const Row rows[] = {
        {"Command2", 2, "200", "bis 181"},
        {"Command4", 1, "-128", "bis 127"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.button);
        WindowDriver driver;
        driver.typeIntoText1(row.tooLarge);
        driver.click(row.button);
        const panels::GraphPanel& panel = driver.window.board().panel(row.panel);
        EXPECT_TRUE(panel.isShown());
        EXPECT_FALSE(panel.hasCurves());
        ASSERT_EQ(driver.messages.size(), 1U);
        EXPECT_EQ(driver.messages[0].rfind("Überlauf: ", 0), 0U) << driver.messages[0];
        EXPECT_NE(driver.messages[0].find(row.largestNamed), std::string::npos)
            << driver.messages[0];
        EXPECT_EQ(driver.window.acceleration(), std::stoi(row.tooLarge));

        driver.typeIntoText1("20");
        driver.click(row.button);
        EXPECT_TRUE(panel.hasCurves());
        EXPECT_TRUE(panel.shape(Shape::Shape8)->isShown());
        EXPECT_EQ(driver.messages.size(), 1U);
    }
}

} // namespace
