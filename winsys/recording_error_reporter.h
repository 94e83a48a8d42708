// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/error_reporter.h"

#include <string>
#include <vector>

namespace winsys {

// Keeps, in order, every message that would have been shown to the learner.
class RecordingErrorReporter : public ErrorReporter
{
public:
    explicit RecordingErrorReporter(std::vector<std::string>& messages) : m_messages(messages) {}
    void reportError(const std::string& message) override { m_messages.push_back(message); }

private:
    std::vector<std::string>& m_messages;
};

} // namespace winsys
