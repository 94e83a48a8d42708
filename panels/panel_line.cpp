// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_line.h"

#include "panels/device_pixel_painter.h"

#include <QPalette>

#include <algorithm>

namespace panels {

PanelLine::PanelLine(const LineEntry& entry, QObject* parent) : QObject(parent), m_entry(entry)
{
    setObjectName(fromUtf8(entry.name));
}

QRect PanelLine::area() const
{
    const int before = m_entry.width / 2;
    const bool horizontal = m_entry.y1 == m_entry.y2;
    const int left = std::min(m_entry.x1, m_entry.x2) - (horizontal ? 0 : before);
    const int top = std::min(m_entry.y1, m_entry.y2) - (horizontal ? before : 0);
    const int right =
        std::max(m_entry.x1, m_entry.x2) + (horizontal ? 0 : m_entry.width - 1 - before);
    const int bottom =
        std::max(m_entry.y1, m_entry.y2) + (horizontal ? m_entry.width - 1 - before : 0);
    return {QPoint(left, top), QPoint(right, bottom)};
}

void PanelLine::paint(DevicePixelPainter& painter, const QPalette& palette) const
{
    const QRect pixels = area();
    painter.fill(
        painter.deviceRect(pixels.left(), pixels.top(), pixels.right() + 1, pixels.bottom() + 1),
        resolveColour(m_entry.colour, palette));
}

} // namespace panels
