// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/curve_pen.h"

#include <algorithm>
#include <cstdlib>

namespace content {

namespace {

// Two pixels of room beyond each edge, so clipping never shortens the part that shows.
constexpr double clipMargin = 2.0;

} // namespace

CurvePen::CurvePen(int logicalWidth, int logicalHeight, double scale)
    : m_bounds{-clipMargin, -clipMargin, logicalWidth + clipMargin, logicalHeight + clipMargin},
      m_scale(scale), m_width(devicePenWidth(scale))
{}

bool CurvePen::runsAcross(DevicePoint from, DevicePoint to)
{
    return std::abs(to.x - from.x) >= std::abs(to.y - from.y);
}

PixelRect CurvePen::draw(double x1, double y1, double x2, double y2, std::vector<PixelRect>& pixels)
{
    const auto clipped = clipSegment({x1, y1, x2, y2}, m_bounds);
    if (!clipped) {
        return {};
    }
    const DevicePoint from{toDevicePixel(clipped->x1, m_scale),
                           toDevicePixel(clipped->y1, m_scale)};
    const DevicePoint to{toDevicePixel(clipped->x2, m_scale), toDevicePixel(clipped->y2, m_scale)};
    // A single point, and the bend where a chain turns from running across to running up or
    // down (or back), get a full square of the pen's width: the point shows as a logical pixel,
    // the bend's outer corner has no notch. Other joints get none, so the chain keeps its width
    // there.
    const bool across = runsAcross(from, to);
    const bool bend = m_chainEnd == from && m_chainRunsAcross != across;
    if (m_width > 1 && (from == to || bend)) {
        pixels.push_back({from.x, from.y, m_width, m_width});
    }
    // Bresenham's line between the two device pixels, both ends included.
    const int runWidth = across ? 1 : m_width;
    const int runHeight = across ? m_width : 1;
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    DevicePoint at = from;
    while (true) {
        pixels.push_back({at.x, at.y, runWidth, runHeight});
        if (at == to) {
            break;
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            at.x += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            at.y += stepY;
        }
    }
    m_chainEnd = to;
    m_chainRunsAcross = across;
    // The segment's ends with a pixel of room before and the pen's width after.
    const int left = std::min(from.x, to.x);
    const int top = std::min(from.y, to.y);
    return {left - 1, top - 1, std::abs(to.x - from.x) + m_width + 2,
            std::abs(to.y - from.y) + m_width + 2};
}

} // namespace content
