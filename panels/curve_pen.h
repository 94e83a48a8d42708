// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/pixel_geometry.h"

#include <QRect>
#include <QSize>

#include <optional>
#include <span>

class QImage;

namespace panels {

// Draws the segments of curves onto rasters at a device pixel ratio: black, one logical pixel
// wide, that is round(scale) device pixels across (devicePenWidth), without antialiasing; at
// scale 1 they are Bresenham's one-pixel lines. End points round to the nearest device pixel,
// so a chain of segments meets exactly.
class CurvePen
{
public:
    // logicalSize: the area the segments are clipped to (with a margin of two pixels), in
    // logical pixels.
    CurvePen(QSize logicalSize, qreal scale);

    // Draws from (x1, y1) to (x2, y2), in logical pixels, onto each raster: 32-bit, at scale
    // device pixels per logical pixel; what falls beyond a raster is left out. Ends far outside
    // the area are clipped in double precision first. Returns the device pixels that may have
    // changed, empty when nothing of the segment lies in the area.
    QRect draw(double x1, double y1, double x2, double y2, std::span<QImage* const> rasters);
    // The next segment starts a chain of its own.
    void lift() { m_chainEnd.reset(); }

private:
    Bounds m_bounds; // the area and its margin, in logical pixels
    qreal m_scale;
    int m_width; // device pixels across
    // Where the last segment ended, in device pixels, and whether it ran across: a segment
    // that starts there continues a chain.
    std::optional<QPoint> m_chainEnd;
    bool m_chainRunsAcross = true;
};

} // namespace panels
