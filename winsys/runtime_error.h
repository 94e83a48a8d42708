// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>

namespace winsys {

// Error numbers as the learner may see them in a message.
enum class ErrorNumber { Overflow = 6 };

// An error that ends the handler in which it arises; what the handler did before stays done.
class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(ErrorNumber number) : m_number(number) {}
    ErrorNumber number() const noexcept { return m_number; }
    const char* what() const noexcept override;

private:
    ErrorNumber m_number;
};

} // namespace winsys
