#include "winsys/int16_arithmetic.h"

#include "winsys/runtime_error.h"

#include <limits>

namespace winsys {

std::int16_t multiplyChecked(std::int16_t left, std::int16_t right)
{
    const std::int32_t product = std::int32_t{left} * std::int32_t{right};
    if (product < std::numeric_limits<std::int16_t>::min() ||
        product > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int16_t>(product);
}

} // namespace winsys
