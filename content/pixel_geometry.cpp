// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/pixel_geometry.h"

#include "plot/diagram_geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace content {

std::optional<Segment> clipSegment(const Segment& segment, const Bounds& bounds)
{
    const double values[] = {segment.x1, segment.y1, segment.x2, segment.y2};
    if (!std::all_of(std::begin(values), std::end(values),
                     [](double value) { return std::isfinite(value); })) {
        return std::nullopt;
    }
    const double dx = segment.x2 - segment.x1;
    const double dy = segment.y2 - segment.y1;
    double enter = 0.0;
    double leave = 1.0;
    // For each edge: p is the rate at which the segment moves outward, q the room it has.
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {segment.x1 - bounds.left, bounds.right - segment.x1,
                        segment.y1 - bounds.top, bounds.bottom - segment.y1};
    for (int edge = 0; edge < 4; ++edge) {
        if (p[edge] == 0.0) {
            if (q[edge] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double ratio = q[edge] / p[edge];
        if (p[edge] < 0.0) {
            enter = std::max(enter, ratio);
        } else {
            leave = std::min(leave, ratio);
        }
        if (enter > leave) {
            return std::nullopt;
        }
    }
    const auto clampX = [&](double x) { return std::clamp(x, bounds.left, bounds.right); };
    const auto clampY = [&](double y) { return std::clamp(y, bounds.top, bounds.bottom); };
    return Segment{clampX(segment.x1 + enter * dx), clampY(segment.y1 + enter * dy),
                   clampX(segment.x1 + leave * dx), clampY(segment.y1 + leave * dy)};
}

int toDevicePixel(double logical, double scale)
{
    constexpr double limit = 1e6;
    const double clamped = std::isnan(logical) ? -limit : std::clamp(logical, -limit, limit);
    return static_cast<int>(std::floor(clamped * scale + 0.5));
}

int devicePenWidth(double scale)
{
    return static_cast<int>(std::lround(std::clamp(scale, 1.0, 64.0)));
}

PixelRect deviceRect(double left, double top, double right, double bottom, double scale)
{
    const int x1 = toDevicePixel(left, scale);
    const int y1 = toDevicePixel(top, scale);
    return {x1, y1, toDevicePixel(right, scale) - x1, toDevicePixel(bottom, scale) - y1};
}

PixelRect lineArea(const LineEntry& line)
{
    // A line of width w lies w / 2 pixels before its ends' row (or column), the rest after.
    const int before = line.width / 2;
    const int after = line.width - 1 - before;
    const bool horizontal = line.y1 == line.y2;
    const int left = std::min(line.x1, line.x2) - (horizontal ? 0 : before);
    const int top = std::min(line.y1, line.y2) - (horizontal ? before : 0);
    const int right = std::max(line.x1, line.x2) + (horizontal ? 0 : after);
    const int bottom = std::max(line.y1, line.y2) + (horizontal ? after : 0);
    return {left, top, right - left + 1, bottom - top + 1};
}

PixelRect linePixels(const LineEntry& line, double scale)
{
    const PixelRect area = lineArea(line);
    return deviceRect(area.left, area.top, area.left + area.width, area.top + area.height, scale);
}

std::pair<int, int> shapeSpan(float start, float extent)
{
    const int a = toDevicePixel(start, 1.0);
    const int b = toDevicePixel(start + extent, 1.0);
    return {std::min(a, b), std::max(a, b)};
}

MaskedPixels maskedPixels(float left, float top, int width, float height, bool outlined,
                          double scale)
{
    MaskedPixels pixels;
    const auto [x1, x2] = shapeSpan(left, static_cast<float>(width));
    const auto [y1, y2] = shapeSpan(top, height);
    if (y2 <= y1 || x2 <= x1) {
        return pixels;
    }
    const auto area = [scale](int areaLeft, int areaTop, int areaRight, int areaBottom) {
        return areaRight > areaLeft && areaBottom > areaTop
                   ? deviceRect(areaLeft, areaTop, areaRight, areaBottom, scale)
                   : PixelRect{};
    };
    if (!outlined) {
        pixels.fill = area(x1, y1, x2, y2);
        return pixels;
    }
    const int innerLeft = x1 + 1;
    const int innerTop = y1 + 1;
    const int innerRight = std::max(x2 - 1, innerLeft);
    const int innerBottom = std::max(y2 - 1, innerTop);
    for (const PixelRect& edge : {area(x1, y1, x2, innerTop), area(x1, innerBottom, x2, y2),
                                  area(x1, innerTop, innerLeft, innerBottom),
                                  area(innerRight, innerTop, x2, innerBottom)}) {
        if (!edge.isEmpty()) {
            pixels.outline.push_back(edge);
        }
    }
    pixels.fill = area(innerLeft, innerTop, innerRight, innerBottom);
    return pixels;
}

std::vector<PixelRect> dotPixels(float left, float top, double scale)
{
    // Pixel centres within 2.5 logical pixels of the centre pixel's own centre: at scale 1
    // the rows are 3, 5, 5, 5 and 3 pixels wide.
    const int column = toDevicePixel(left, 1.0) + plot::dotLeftOffset;
    const int row = toDevicePixel(top, 1.0) + plot::dotTopOffset;
    const double radius = plot::dotWidth / 2.0 * scale;
    const double centreX = (column + 0.5) * scale;
    const double centreY = (row + 0.5) * scale;
    const auto firstRow = static_cast<int>(std::floor(centreY - radius));
    const auto lastRow = static_cast<int>(std::ceil(centreY + radius));
    std::vector<PixelRect> rows;
    for (int deviceRow = firstRow; deviceRow <= lastRow; ++deviceRow) {
        const double dy = deviceRow + 0.5 - centreY;
        if (std::abs(dy) > radius) {
            continue;
        }
        const double halfWidth = std::sqrt(radius * radius - dy * dy);
        const auto first = static_cast<int>(std::ceil(centreX - halfWidth - 0.5));
        const auto last = static_cast<int>(std::floor(centreX + halfWidth - 0.5));
        if (last >= first) {
            rows.push_back({first, deviceRow, last - first + 1, 1});
        }
    }
    return rows;
}

std::vector<PixelRect> focusMarkDots(int width, int height)
{
    const int right = width - 1;
    const int bottom = height - 1;
    std::vector<PixelRect> dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            dots.push_back({x, y, 1, 1});
        }
    };
    for (int x = 0; x <= right; ++x) {
        dot(x, 0);
        if (bottom > 0) {
            dot(x, bottom);
        }
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y);
        if (right > 0) {
            dot(right, y);
        }
    }
    return dots;
}

} // namespace content
