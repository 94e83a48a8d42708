// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/curve_layer.h"

#include "panels/colours.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace panels {

namespace {

QImage transparentImage(QSize logicalSize, qreal scale)
{
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

void blacken(QImage& raster, std::span<const content::PixelRect> pixels)
{
    // bits() detaches a shared raster once, up front, so the loop pays no copy-on-write check
    // per pixel.
    auto* const bits = reinterpret_cast<QRgb*>(raster.bits());
    const qsizetype stride = raster.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const QRgb black = toQColor(content::black).rgb();
    for (const content::PixelRect& run : pixels) {
        const int left = std::max(run.left, 0);
        const int right = std::min(run.left + run.width, raster.width());
        const int top = std::max(run.top, 0);
        const int bottom = std::min(run.top + run.height, raster.height());
        for (int row = top; row < bottom && left < right; ++row) {
            std::fill(bits + row * stride + left, bits + row * stride + right, black);
        }
    }
}

CurveLayer::CurveLayer(QSize logicalSize, qreal scale)
    : m_logicalSize(logicalSize), m_scale(scale),
      m_pen(logicalSize.width(), logicalSize.height(), scale)
{}

QRect CurveLayer::drawSegment(double x1, double y1, double x2, double y2)
{
    if (m_curves.isNull()) {
        m_curves = transparentImage(m_logicalSize, m_scale);
    }
    if (m_picture.isNull()) {
        composePicture();
    }
    m_pixels.clear();
    const content::PixelRect changed = m_pen.draw(x1, y1, x2, y2, m_pixels);
    if (changed.isEmpty()) {
        return {};
    }
    // The picture's first write detaches it from the background it shares pixels with.
    blacken(m_curves, m_pixels);
    blacken(m_picture, m_pixels);
    const QRect device(changed.left, changed.top, changed.width, changed.height);
    m_empty = false;
    m_drawnArea |= device.intersected(m_curves.rect());
    return QRectF(device.left() / m_scale, device.top() / m_scale, device.width() / m_scale,
                  device.height() / m_scale)
        .toAlignedRect();
}

void CurveLayer::clear()
{
    if (m_empty) {
        return;
    }
    // Only the area the curves touched is restored, in place: clearing costs what was drawn,
    // and the rasters keep their memory for the next curves.
    const QRect area = m_drawnArea;
    const bool pictureOwnsPixels = !m_background.isNull() &&
                                   m_picture.size() == m_background.size() &&
                                   m_picture.format() == m_background.format();
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    const auto offset = static_cast<std::size_t>(area.left()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memset(m_curves.scanLine(y) + offset, 0, rowBytes);
        if (pictureOwnsPixels) {
            std::memcpy(m_picture.scanLine(y) + offset, m_background.constScanLine(y) + offset,
                        rowBytes);
        }
    }
    m_empty = true;
    m_drawnArea = QRect();
    m_pen.lift();
    if (!pictureOwnsPixels) {
        composePicture();
    }
}

void CurveLayer::setBackground(const QImage& background)
{
    m_background = background;
    composePicture();
}

void CurveLayer::setScale(qreal scale)
{
    if (scale == m_scale) {
        return;
    }
    if (!m_empty) {
        QImage rescaled = transparentImage(m_logicalSize, scale);
        QPainter painter(&rescaled);
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_logicalSize)), m_curves);
        m_curves = rescaled;
        m_drawnArea = m_curves.rect();
    } else {
        m_curves = QImage();
    }
    m_scale = scale;
    m_pen = content::CurvePen(m_logicalSize.width(), m_logicalSize.height(), scale);
    m_background = QImage();
    composePicture();
}

void CurveLayer::composePicture()
{
    // Without curves the picture shares the background's pixels until the first segment.
    if (m_background.isNull()) {
        m_picture = m_empty ? transparentImage(m_logicalSize, m_scale) : m_curves.copy();
        return;
    }
    m_picture = m_background;
    if (!m_empty) {
        QPainter painter(&m_picture);
        painter.drawImage(QPoint(0, 0), m_curves);
    }
}

} // namespace panels
