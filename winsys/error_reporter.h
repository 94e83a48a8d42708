// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace winsys {

// Tells the learner about an error that ended a handler. The handler has already ended, or
// ends right after this call: a reporter never waits for the learner.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    // A short German message, UTF-8.
    virtual void reportError(const std::string& message) = 0;

protected:
    ErrorReporter() = default;
    ErrorReporter(const ErrorReporter&) = default;
    ErrorReporter& operator=(const ErrorReporter&) = default;
};

} // namespace winsys
