#include "panels/curve_layer.h"

#include "panels/colours.h"
#include "panels/pixel_geometry.h"

#include <QPainter>

#include <cstdlib>
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

// Two pixels of room beyond each edge, so clipping never shortens the part that shows.
constexpr double clipMargin = 2.0;

void setPixel(QImage& image, int x, int y, QRgb colour)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) {
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour;
    }
}

// Bresenham's line between two device pixels, both ends included, onto two rasters of the
// same size at once.
void plotLine(QImage& first, QImage& second, QPoint from, QPoint to)
{
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    while (true) {
        setPixel(first, at.x(), at.y(), black);
        setPixel(second, at.x(), at.y(), black);
        if (at == to) {
            return;
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.rx() += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            at.ry() += stepY;
        }
    }
}

} // namespace

CurveLayer::CurveLayer(QSize logicalSize, qreal scale) : m_logicalSize(logicalSize), m_scale(scale)
{}

QRect CurveLayer::drawSegment(double x1, double y1, double x2, double y2)
{
    const Bounds bounds{-clipMargin, -clipMargin, m_logicalSize.width() + clipMargin,
                        m_logicalSize.height() + clipMargin};
    const auto clipped = clipSegment({x1, y1, x2, y2}, bounds);
    if (!clipped) {
        return {};
    }
    // End points snap to the nearest device pixel, so a chain of segments meets exactly.
    const QPoint from(toDevicePixel(clipped->x1, m_scale), toDevicePixel(clipped->y1, m_scale));
    const QPoint to(toDevicePixel(clipped->x2, m_scale), toDevicePixel(clipped->y2, m_scale));
    if (m_curves.isNull()) {
        m_curves = transparentImage(m_logicalSize, m_scale);
    }
    if (m_picture.isNull()) {
        composePicture();
    }
    plotLine(m_curves, m_picture, from, to); // the picture's first write detaches its copy
    m_empty = false;

    const QRect device = QRect(from, to).normalized().adjusted(-1, -1, 1, 1);
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
