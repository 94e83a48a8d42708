// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace winsys {

// Converts the text of the acceleration box into a signed 16-bit integer.
//
// Accepted: blanks and tabs around the number, one optional leading '+' or '-', ASCII digits
// with at most one decimal separator (',' as the German notation writes it, or '.'). A
// fraction is rounded to the nearest whole number, an exact half to the even neighbour
// (2,5 -> 2, 3,5 -> 4, -2,5 -> -2), before the range check -32768 to 32767.
//
// Rejected (no value): no digit at all, any other character, a second sign or separator, and
// a German thousands group such as "1.000" or "32.767" (one to three digits not starting
// with 0, a point, exactly three digits), which would otherwise silently read as 1 or 32.
//
// One pass over the text, so any length converts in linear time.
std::optional<std::int16_t> textToInt16(std::string_view text);

} // namespace winsys
