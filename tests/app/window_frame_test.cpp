// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <QIcon>

namespace {

using app::testing::WindowDriver;

// What the window asks the window manager for: the desktop entry's icon, at least in the title
// bar's sizes, and a frame with a title, a close box and a minimise button but no maximise
// button, since the size is fixed.
TEST(WindowFrameTest, HasItsIconAndNoMaximiseButton)
{
    WindowDriver driver;
    const QIcon icon = driver.window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    }

    const Qt::WindowFlags flags = driver.window.windowFlags();
    EXPECT_TRUE(flags.testFlags(Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

} // namespace
