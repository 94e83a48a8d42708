// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/curve_pen.h"

#include "panels/colours.h"
#include "panels/pixel_geometry.h"

#include <QImage>
#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>

namespace panels {

namespace {

// Two pixels of room beyond each edge, so clipping never shortens the part that shows.
constexpr double clipMargin = 2.0;

// A 32-bit raster written to directly. bits() detaches a shared raster once, up front, so the
// loops below pay no copy-on-write check per pixel.
struct Raster
{
    QRgb* bits;
    qsizetype stride; // pixels per row
    int width;
    int height;
};

Raster rasterOf(QImage& image)
{
    return {reinterpret_cast<QRgb*>(image.bits()),
            image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)), image.width(),
            image.height()};
}

// Blackens the device pixels [x, x + width) x [y, y + height), as far as they lie on the raster.
void fillBlack(const Raster& raster, int x, int y, int width, int height)
{
    const int left = std::max(x, 0);
    const int right = std::min(x + width, raster.width);
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, raster.height);
    if (left >= right) {
        return;
    }
    for (int row = top; row < bottom; ++row) {
        QRgb* line = raster.bits + row * raster.stride;
        std::fill(line + left, line + right, black);
    }
}

// Whether a line between two device pixels runs at least as much across as up or down.
bool runsAcross(QPoint from, QPoint to)
{
    return std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
}

// Bresenham's line between two device pixels, both ends included, onto each raster, with a
// pen width device pixels across: at each step a run of width pixels, downward for a line that
// runs across, rightward for one that runs up or down. With width 1 this is the plain
// one-pixel line. With startSquare, the start is covered by a square of width x width pixels.
void plotLine(std::span<QImage* const> images, QPoint from, QPoint to, int width, bool startSquare)
{
    QVarLengthArray<Raster, 2> rasters;
    for (QImage* image : images) {
        rasters.append(rasterOf(*image));
    }
    const auto stamp = [&rasters](QPoint at, int columns, int rows) {
        for (const Raster& raster : rasters) {
            fillBlack(raster, at.x(), at.y(), columns, rows);
        }
    };
    if (startSquare) {
        stamp(from, width, width);
    }
    const bool across = runsAcross(from, to);
    const int runWidth = across ? 1 : width;
    const int runHeight = across ? width : 1;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint at = from;
    while (true) {
        stamp(at, runWidth, runHeight);
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

CurvePen::CurvePen(QSize logicalSize, qreal scale)
    : m_bounds{-clipMargin, -clipMargin, logicalSize.width() + clipMargin,
               logicalSize.height() + clipMargin},
      m_scale(scale), m_width(devicePenWidth(scale))
{}

QRect CurvePen::draw(double x1, double y1, double x2, double y2, std::span<QImage* const> rasters)
{
    const auto clipped = clipSegment({x1, y1, x2, y2}, m_bounds);
    if (!clipped) {
        return {};
    }
    const QPoint from(toDevicePixel(clipped->x1, m_scale), toDevicePixel(clipped->y1, m_scale));
    const QPoint to(toDevicePixel(clipped->x2, m_scale), toDevicePixel(clipped->y2, m_scale));
    // A single point, and the bend where a chain turns from running across to running up or
    // down (or back), get a full square of the pen's width: the point shows as a logical pixel,
    // the bend's outer corner has no notch. Other joints get none, so the chain keeps its width
    // there.
    const bool across = runsAcross(from, to);
    const bool bend = m_chainEnd == from && m_chainRunsAcross != across;
    plotLine(rasters, from, to, m_width, m_width > 1 && (from == to || bend));
    m_chainEnd = to;
    m_chainRunsAcross = across;
    return QRect(from, to).normalized().adjusted(-1, -1, m_width, m_width);
}

} // namespace panels
