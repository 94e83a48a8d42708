// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/device_pixel_painter.h"

#include "panel_render.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Every pixel a different colour, so that a row or column masked twice, or not at all, shows.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixelColor(x, y, QColor((x * 37) % 256, (y * 11) % 256, (x + y) % 256));
        }
    }
    return image;
}

TEST(DevicePixelPainterTest, MaskAndsExactlyTheCoveredPixels)
{
    // Tall masks are painted in strips; the heights straddle the strip size.
    struct Case
    {
        const char* name;
        QRect area;
    };
    const Case cases[] = {
        {"one row", {3, 7, 20, 1}},   {"63 rows", {0, 5, 31, 63}},
        {"64 rows", {2, 0, 9, 64}},   {"65 rows", {1, 10, 30, 65}},
        {"129 rows", {4, 2, 5, 129}}, {"whole image", {0, 0, 40, 300}},
        {"empty", {5, 5, 0, 0}},
    };
    const QColor colour(0x5a, 0xf0, 0x3c);
    const QImage before = patterned(40, 300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage after = before;
        {
            QPainter painter(&after);
            panels::DevicePixelPainter pixels(painter, 1.0);
            pixels.mask({c.area.x(), c.area.y(), c.area.width(), c.area.height()}, colour);
        }
        int wrong = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                const QColor original = before.pixelColor(x, y);
                const QColor expected =
                    c.area.contains(x, y) ? panels::testing::masked(original, colour) : original;
                wrong += after.pixelColor(x, y) != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

} // namespace
