// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The coordinate diagram every graph panel draws on, in panel pixels: origin at the top-left of
// the drawing area, columns grow to the right, rows grow downward.
namespace plot {

inline constexpr int panelWidth = 233;
inline constexpr int panelHeight = 333;

inline constexpr int baseRow = 296;    // the value 0: the time axis, where every curve starts
inline constexpr int topLimit = 32;    // a run ends at the first pass after a point above this row
inline constexpr int firstColumn = 32; // time 0
inline constexpr int rightmostColumn = 200; // the last column a curve may reach, t = 0.35
inline constexpr int columnsPerTimeUnit = 480;

// The reference instants t = 0, 0.05, 0.15 and 0.2, where the dots Shape3 to Shape6 are
// placed. The first bar spans the growth from the first to the second, the second bar from the
// third to the fourth.
inline constexpr int earlyEndColumn = 56;
inline constexpr int lateStartColumn = 104;
inline constexpr int lateEndColumn = 128;
inline constexpr std::array<int, 4> markerColumns{firstColumn, earlyEndColumn, lateStartColumn,
                                                  lateEndColumn};

// A dot's box, 5 x 9; Left = x - 2 and Top = y - 4 centre it on the point (x, y).
inline constexpr int dotWidth = 5;
inline constexpr int dotHeight = 9;
inline constexpr int dotLeftOffset = 2;
inline constexpr int dotTopOffset = 4;

// The increment bars always span the columns 32 to 184; runs set only their Top and Height.
inline constexpr int barLeft = firstColumn;
inline constexpr int barWidth = 153;

} // namespace plot
