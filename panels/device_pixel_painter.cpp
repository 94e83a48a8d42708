// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/device_pixel_painter.h"

#include <QPainter>

#include <algorithm>

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

void DevicePixelPainter::fill(const content::PixelRect& pixels, const QColor& colour)
{
    m_painter.fillRect(QRect(pixels.left, pixels.top, pixels.width, pixels.height), colour);
}

void DevicePixelPainter::mask(const content::PixelRect& pixels, const QColor& colour)
{
    // A raster-op fill of more than about 96 rows is split by Qt over its GUI thread pool; for
    // areas this small, starting the pool and handing rows over costs far more than the fill.
    // Strips of 64 rows stay on this thread.
    constexpr int stripRows = 64;
    const QPainter::CompositionMode previous = m_painter.compositionMode();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    const int bottom = pixels.top + pixels.height;
    for (int top = pixels.top; top < bottom; top += stripRows) {
        const int rows = std::min(stripRows, bottom - top);
        m_painter.fillRect(QRect(pixels.left, top, pixels.width, rows), colour);
    }
    m_painter.setCompositionMode(previous);
}

} // namespace panels
