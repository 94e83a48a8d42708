// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace winsys {
class WindowSystem;
enum class Shape;
} // namespace winsys

namespace plot {

struct Graph;

// What a plot run did. The markers are placed as the run passes their columns, so the rows it
// computed there tell which of them a run completed, and where.
struct RunResult
{
    int lastColumn = 0; // the column of the last segment drawn, 33 to 200
    // The rows of the curve in double precision at the marker columns 32, 56, 104 and 128, as
    // far as the run reached them; the dots and bars were placed from these very values.
    std::array<std::optional<double>, 4> markerRows;

    // Whether the run passed the column that gives the marker its final place: 32, 56, 104
    // and 128 for the dots Shape3 to Shape6, 56 for the bar Shape7 and 128 for Shape8 (its
    // interim state from column 104 on does not count).
    bool completed(winsys::Shape marker) const;
};

// The row of the curve at a column, in double precision: t = (column - 32) / 480 and
// row = 296 - k * q(a, t). Raises winsys::RuntimeError where the graph's formula overflows.
double curveRow(const Graph& graph, std::int16_t acceleration, int column);

// What a graph button does: shows the graph's panel alone, hides its dots and bars, and draws
// the curve column by column from column 32, placing the dots and bars at the columns 32, 56,
// 104 and 128, until column 200 or the first pass after a point above row 32.
//
// Computes in double precision and hands every coordinate, Top, Left and Height to the window
// system in single precision. An overflow in the graph's formula propagates as
// winsys::RuntimeError from the first pass, after the panel switch and the hides.
RunResult plotRun(const Graph& graph, std::int16_t acceleration, winsys::WindowSystem& windows);

} // namespace plot
