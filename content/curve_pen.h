// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/pixel_geometry.h"

#include <optional>
#include <vector>

namespace content {

// Turns the segments of curves into the device pixels they blacken at a device pixel ratio: one
// logical pixel wide, that is round(scale) device pixels across (devicePenWidth), without
// antialiasing; at scale 1 they are Bresenham's one-pixel lines. End points round to the
// nearest device pixel, so a chain of segments meets exactly.
class CurvePen
{
public:
    // The area the segments are clipped to (with a margin of two pixels), in logical pixels.
    CurvePen(int logicalWidth, int logicalHeight, double scale);

    // The device pixels of the segment from (x1, y1) to (x2, y2), in logical pixels, appended
    // to pixels as runs: one run per Bresenham step, round(scale) pixels down for a line that
    // runs across, rightward for one that runs up or down. Ends far outside the area are
    // clipped in double precision first; runs may reach a pixel beyond the area's edge. Returns
    // the device pixels that may have changed, empty when nothing of the segment lies in the
    // area.
    PixelRect draw(double x1, double y1, double x2, double y2, std::vector<PixelRect>& pixels);
    // The next segment starts a chain of its own.
    void lift() { m_chainEnd.reset(); }

    double scale() const { return m_scale; }

private:
    struct DevicePoint
    {
        int x;
        int y;
        friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
    };
    static bool runsAcross(DevicePoint from, DevicePoint to);

    Bounds m_bounds; // the area and its margin, in logical pixels
    double m_scale;
    int m_width; // device pixels across
    // Where the last segment ended, and whether it ran across: a segment that starts there
    // continues a chain.
    std::optional<DevicePoint> m_chainEnd;
    bool m_chainRunsAcross = true;
};

} // namespace content
