// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own allocator statistics (its header is not installed with GCC).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

using app::testing::WindowDriver;

std::size_t heapBytesInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(_WIN32)
    // Windows: the C run-time's heap, which malloc and operator new use.
    _HEAPINFO entry{};
    std::size_t bytes = 0;
    while (_heapwalk(&entry) == _HEAPOK) {
        bytes += entry._useflag == _USEDENTRY ? entry._size : 0;
    }
    return bytes;
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd; // large blocks are mapped, not in the arena
#endif
}

constexpr int accelerationCount = 25;
constexpr int clicksPerAcceleration = 400; // 10 000 plot runs in all

QImage panelPicture(WindowDriver& driver)
{
    QCoreApplication::processEvents();
    return driver.window.board().panel(3).grab().toImage();
}

// Ten thousand s-runs on one panel without a reset: the curve layer does not grow, and the
// picture is that of one run of each acceleration.
TEST(ClickStormTest, TenThousandRunsCostNoMemoryAndDrawAsOneRunEach)
{
    WindowDriver storm;
    storm.click("Command1");
    const std::size_t afterFirstRun = heapBytesInUse();
    for (int a = 1; a <= accelerationCount; ++a) {
        storm.typeIntoText1(QString::number(a));
        for (int click = 0; click < clicksPerAcceleration; ++click) {
            storm.click("Command1");
        }
    }
    ASSERT_EQ(storm.window.acceleration(), accelerationCount);
    const std::size_t afterStorm = heapBytesInUse();
    EXPECT_LT(afterStorm, afterFirstRun + std::size_t{300} * 1024)
        << "grew by " << (afterStorm - afterFirstRun) / 1024 << " KB";

    WindowDriver once;
    once.click("Command1");
    for (int a = 1; a <= accelerationCount; ++a) {
        once.typeIntoText1(QString::number(a));
        once.click("Command1");
    }
    EXPECT_EQ(panelPicture(storm), panelPicture(once));

    const QImage beforeReset = panelPicture(once);
    storm.click("Command5");
    once.click("Command5");
    EXPECT_FALSE(storm.window.board().panel(3).hasCurves());
    EXPECT_EQ(panelPicture(storm), panelPicture(once));
    EXPECT_NE(panelPicture(storm), beforeReset);
}

} // namespace
