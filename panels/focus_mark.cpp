// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/focus_mark.h"

#include <QColor>
#include <QPainter>
#include <QSize>

namespace panels {

void paintFocusMark(QPainter& painter, const QSize& size, const QColor& colour)
{
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            painter.fillRect(x, y, 1, 1, colour);
        }
    };
    for (int x = 0; x <= right; ++x) {
        dot(x, 0);
        dot(x, bottom);
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y);
        dot(right, y);
    }
}

} // namespace panels
