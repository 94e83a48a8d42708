// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

namespace test_support {

// How many pixels of the area, which must lie on the image, satisfy matches(QRgb).
template <typename Predicate>
int countPixels(const QImage& image, const QRect& area, Predicate matches)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += matches(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

inline int blackPixels(const QImage& image, const QRect& area)
{
    return countPixels(image, area, [](QRgb pixel) { return (pixel & RGB_MASK) == 0; });
}

// Black and the dark grey of antialiased text.
inline int darkPixels(const QImage& image, const QRect& area)
{
    return countPixels(image, area, [](QRgb pixel) { return qGray(pixel) < 128; });
}

} // namespace test_support
