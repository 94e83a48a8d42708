// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/focus_mark.h"

#include "content/pixel_geometry.h"

#include <QColor>
#include <QPainter>
#include <QSize>

namespace panels {

void paintFocusMark(QPainter& painter, const QSize& size, const QColor& colour)
{
    for (const content::PixelRect& dot : content::focusMarkDots(size.width(), size.height())) {
        painter.fillRect(dot.left, dot.top, dot.width, dot.height, colour);
    }
}

} // namespace panels
