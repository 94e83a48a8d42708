// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/panel_contents.h"

#include <optional>
#include <utility>
#include <vector>

namespace content {

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

// Whole pixels [left, left + width) x [top, top + height): device pixels, or logical ones where
// a function says so. Everything static and every marker fills whole device pixels, so that a
// line keeps one width and one tone at any scale.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The device pixels covering the logical half-open ranges [left, right) x [top, bottom).
PixelRect deviceRect(double left, double top, double right, double bottom, double scale);

// The logical pixels a static line covers, and the device pixels it fills.
PixelRect lineArea(const LineEntry& line);
PixelRect linePixels(const LineEntry& line, double scale);

// The logical rows (or columns) [first, last) a shape covers from start over extent, rounded
// to whole pixels; a negative extent covers the rows before start.
std::pair<int, int> shapeSpan(float start, float extent);

// The device pixels of a band or bar with its Left, Top, Width and Height, to be ANDed with
// what lies beneath: with an outline, its first and last rows and columns with the outline's
// colour, the pixels inside with the fill, each pixel once.
struct MaskedPixels
{
    std::vector<PixelRect> outline;
    PixelRect fill;
};
MaskedPixels maskedPixels(float left, float top, int width, float height, bool outlined,
                          double scale);

// The device pixels of a marker dot whose 5 x 9 box has this Left and Top: a disc 5 logical
// pixels across, centred on the box's centre pixel, one rectangle per device row.
std::vector<PixelRect> dotPixels(float left, float top, double scale);

// The logical pixels of a panel's keyboard focus mark, a dotted frame on the outermost ring of
// a width x height panel, which no static content reaches: the ring's pixels (x, y) with x + y
// even, so that the dots meet at the corners. Each pixel once.
std::vector<PixelRect> focusMarkDots(int width, int height);

} // namespace content
