// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/int16_arithmetic.h"

#include "winsys/runtime_error.h"

namespace winsys {

void raiseOverflow()
{
    throw RuntimeError(ErrorNumber::Overflow);
}

} // namespace winsys
