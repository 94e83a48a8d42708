// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/device_pixel_painter.h"

#include "panels/pixel_geometry.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace panels {

DevicePixelPainter::DevicePixelPainter(QPainter& painter, qreal scale)
    : m_painter(painter), m_scale(scale)
{
    m_painter.save();
    m_painter.scale(1.0 / scale, 1.0 / scale);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

DevicePixelPainter::~DevicePixelPainter()
{
    m_painter.restore();
}

int DevicePixelPainter::toDevice(double logical) const
{
    return toDevicePixel(logical, m_scale);
}

QRect DevicePixelPainter::deviceRect(double left, double top, double right, double bottom) const
{
    const int x1 = toDevice(left);
    const int y1 = toDevice(top);
    return {QPoint(x1, y1), QSize(toDevice(right) - x1, toDevice(bottom) - y1)};
}

void DevicePixelPainter::fill(const QRect& deviceRect, const QColor& colour)
{
    m_painter.fillRect(deviceRect, colour);
}

void DevicePixelPainter::mask(const QRect& deviceRect, const QColor& colour)
{
    // A raster-op fill of more than about 96 rows is split by Qt over its GUI thread pool; for
    // areas this small, starting the pool and handing rows over costs far more than the fill.
    // Strips of 64 rows stay on this thread.
    constexpr int stripRows = 64;
    const QPainter::CompositionMode previous = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    for (int top = deviceRect.top(); top <= deviceRect.bottom(); top += stripRows) {
        const int rows = std::min(stripRows, deviceRect.bottom() + 1 - top);
        m_painter.fillRect(QRect(deviceRect.left(), top, deviceRect.width(), rows), colour);
    }
    m_painter.setCompositionMode(previous);
}

void DevicePixelPainter::disc(int column, int row, const QColor& colour)
{
    // Pixel centres within 2.5 logical pixels of the centre pixel's own centre: at scale 1
    // the rows are 3, 5, 5, 5 and 3 pixels wide.
    const double radius = 2.5 * m_scale;
    const double centreX = (column + 0.5) * m_scale;
    const double centreY = (row + 0.5) * m_scale;
    const int firstRow = static_cast<int>(std::floor(centreY - radius));
    const int lastRow = static_cast<int>(std::ceil(centreY + radius));
    for (int deviceRow = firstRow; deviceRow <= lastRow; ++deviceRow) {
        const double dy = deviceRow + 0.5 - centreY;
        if (std::abs(dy) > radius) {
            continue;
        }
        const double halfWidth = std::sqrt(radius * radius - dy * dy);
        const int first = static_cast<int>(std::ceil(centreX - halfWidth - 0.5));
        const int last = static_cast<int>(std::floor(centreX + halfWidth - 0.5));
        if (last >= first) {
            m_painter.fillRect(QRect(first, deviceRow, last - first + 1, 1), colour);
        }
    }
}

} // namespace panels
