// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>

namespace winsys {

// Raises RuntimeError with ErrorNumber::Overflow.
[[noreturn]] void raiseOverflow();

// Signed 16-bit product. A product outside -32768 to 32767 raises RuntimeError with
// ErrorNumber::Overflow instead of wrapping; it is computed in 32 bits, so nothing overflows
// on the way to the check. Inline: the plot run calls it once or twice per column.
inline std::int16_t multiplyChecked(std::int16_t left, std::int16_t right)
{
    const std::int32_t product = std::int32_t{left} * std::int32_t{right};
    if (product < std::numeric_limits<std::int16_t>::min() ||
        product > std::numeric_limits<std::int16_t>::max()) {
        raiseOverflow();
    }
    return static_cast<std::int16_t>(product);
}

} // namespace winsys
