// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <QPalette>

namespace {

using app::testing::WindowDriver;

struct FocusRow
{
    const char* button;
    const char* acceleration;
    int panel;
};

bool onOutermostRing(int x, int y, const QImage& image)
{
    return x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
}

// With the keyboard focus a panel shows a dotted frame on its outermost pixels, every pixel
// whose x + y is even in the window-text colour; every other pixel stays as it was.
TEST(FocusMarkTest, OnlyTheOutermostRingChanges)
{
    const FocusRow rows[] = {
        {"Command1", "20", 3},    // s: curve, bars and dots inside the panel
        {"Command3", "32767", 0}, // v: the first segment runs up through the top row
        {"Command2", "-50", 2},   // E kin: the curve leaves through the top limit
        {"Command5", "20", 2},    // the empty E kin panel after a reset
    };
    WindowDriver driver;
    for (const FocusRow& row : rows) {
        SCOPED_TRACE(std::string(row.button) + " " + row.acceleration);
        driver.typeIntoText1(QString::fromLatin1(row.acceleration));
        driver.click(row.button);
        panels::GraphPanel& panel = driver.window.board().panel(row.panel);
        ASSERT_TRUE(panel.isVisible());
        const QImage unfocused = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        panel.setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(panel.hasFocus());
        const QImage focused = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(focused.size(), unfocused.size());
        const QRgb mark = panel.palette().color(QPalette::WindowText).rgb();

        int changed = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                const bool dotted = onOutermostRing(x, y, focused) && (x + y) % 2 == 0;
                const QRgb expected = dotted ? mark : unfocused.pixel(x, y);
                changed += focused.pixel(x, y) != unfocused.pixel(x, y) ? 1 : 0;
                if (focused.pixel(x, y) != expected) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
                    return;
                }
            }
        }
        // The ring of 233 x 333 has 1128 pixels, half of them dotted; a curve crossing it is
        // already black where it does.
        EXPECT_GT(changed, 500);

        driver.find(row.button)->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), unfocused);
    }
}

} // namespace
