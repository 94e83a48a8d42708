// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plot {
struct Graph;
}

// The German messages the learner reads, UTF-8.
namespace content {

// A plot run that overflowed: names the overflow and the range this graph can draw.
std::string overflowMessage(const plot::Graph& graph, std::int16_t acceleration);

// A text that is no whole number in range: quotes it (shortened when long) and names the
// acceleration that stays.
std::string rejectedTextMessage(std::string_view text, std::int16_t keptAcceleration);

// The accelerations named beneath a copied diagram, "a = 10; 20; 40": the first twelve in the
// given order, then "…". Empty when there are none.
std::string accelerationLegend(const std::vector<std::int16_t>& accelerations);

} // namespace content
