#include "winsys/int16_arithmetic.h"

#include "winsys/runtime_error.h"

namespace winsys {

void raiseOverflow()
{
    throw RuntimeError(ErrorNumber::Overflow);
}

} // namespace winsys
