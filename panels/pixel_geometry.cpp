// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/pixel_geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace panels {

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

} // namespace panels
