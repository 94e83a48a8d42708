#pragma once

#include <cstdint>

namespace winsys {

// Signed 16-bit product. A product outside -32768 to 32767 raises RuntimeError with
// ErrorNumber::Overflow instead of wrapping; it is computed in 32 bits, so nothing overflows
// on the way to the check.
std::int16_t multiplyChecked(std::int16_t left, std::int16_t right);

} // namespace winsys
