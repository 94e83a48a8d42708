// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/curve_layer.h"

#include <QPainter>

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

CurveLayer::CurveLayer(QSize logicalSize, qreal scale)
    : m_logicalSize(logicalSize), m_scale(scale), m_pen(logicalSize, scale)
{}

QRect CurveLayer::drawSegment(double x1, double y1, double x2, double y2)
{
    if (m_curves.isNull()) {
        m_curves = transparentImage(m_logicalSize, m_scale);
    }
    if (m_picture.isNull()) {
        composePicture();
    }
    // The picture's first write detaches it from the background it shares pixels with.
    QImage* const rasters[] = {&m_curves, &m_picture};
    const QRect device = m_pen.draw(x1, y1, x2, y2, rasters);
    if (device.isEmpty()) {
        return {};
    }
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
    m_pen = CurvePen(m_logicalSize, scale);
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
