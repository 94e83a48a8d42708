// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace winsys {

// The text std::to_chars(first, last, value) writes, built from the C library's printf and
// strtof for standard libraries without floating-point to_chars (the one of the wasm build):
// the fewest significant digits that read back to the same float, in fixed notation ("0.001",
// "1300000", a whole value above 2^24 with all its digits) or scientific ("1e-05", "3.4e+38"),
// whichever is shorter, fixed on a tie. Works in the "C" numeric locale, which a program keeps
// unless it calls setlocale.
std::string shortestFloatText(float value);

} // namespace winsys
