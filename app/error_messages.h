// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plot {
struct Graph;
}

namespace app {

// The German messages the learner sees, UTF-8.

// A plot run that overflowed: names the overflow and the range this graph can draw.
std::string overflowMessage(const plot::Graph& graph, std::int16_t acceleration);

// A text that is no whole number in range: quotes it (shortened when long) and names the
// acceleration that stays.
std::string rejectedTextMessage(std::string_view text, std::int16_t keptAcceleration);

} // namespace app
