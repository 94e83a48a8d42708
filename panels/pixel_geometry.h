// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace panels {

// A segment in double precision, in whatever unit the caller works in.
struct Segment
{
    double x1;
    double y1;
    double x2;
    double y2;
};

struct Bounds
{
    double left;
    double top;
    double right;
    double bottom;
};

// Clips a segment to the closed rectangle (Liang-Barsky, in double precision). Returns nothing
// when no part of it lies inside, or when a coordinate is NaN or infinite. The result's ends lie
// inside the rectangle, so they convert to int without overflow.
std::optional<Segment> clipSegment(const Segment& segment, const Bounds& bounds);

// The device pixel that a coordinate falls in when it is rounded to the nearest pixel centre:
// value 295.97 at scale 1 is pixel 296; at scale 2 a logical pixel p covers 2p and 2p + 1.
// Values beyond +-1e6 pixels are clamped first, and NaN maps to the clamp's low end, so any
// input gives a valid int.
int toDevicePixel(double logical, double scale);

// How many device pixels across a pen one logical pixel wide covers: the scale rounded to the
// nearest whole number, at least 1 (1 at scales 1 and 1.25, 2 at 1.5 to 2.49, 4 at 4).
int devicePenWidth(double scale);

} // namespace panels
