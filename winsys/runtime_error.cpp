// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/runtime_error.h"

namespace winsys {

const char* RuntimeError::what() const noexcept
{
    switch (m_number) {
    case ErrorNumber::Overflow:
        return "overflow (error 6)";
    }
    return "runtime error";
}

} // namespace winsys
