// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/messages.h"

#include "content/german_text.h"
#include "plot/graph_catalogue.h"

#include <algorithm>
#include <limits>

namespace content {

namespace {

constexpr std::size_t longestQuote = 30; // bytes of the rejected text quoted
constexpr std::size_t legendCount = 12;  // accelerations named before the ellipsis

// Cuts at a character boundary of the UTF-8 text.
std::string shortened(std::string_view text)
{
    if (text.size() <= longestQuote) {
        return std::string(text);
    }
    std::size_t end = longestQuote;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) {
        --end;
    }
    return std::string(text.substr(0, end)) + "…";
}

} // namespace

std::string overflowMessage(const plot::Graph& graph, std::int16_t acceleration)
{
    return fillIn("Überlauf: Mit a = %1 wird die Rechnung für „%2“ zu groß, es wurde nichts "
                  "gezeichnet. Dieser Graph kann Beschleunigungen von -%3 bis %3 zeichnen.",
                  {std::to_string(acceleration), std::string(graph.buttonCaption),
                   std::to_string(graph.largestAcceleration)});
}

std::string rejectedTextMessage(std::string_view text, std::int16_t keptAcceleration)
{
    using Range = std::numeric_limits<std::int16_t>;
    return fillIn("„%1“ ist keine ganze Zahl von %2 bis %3. Die Beschleunigung bleibt %4.",
                  {shortened(text), std::to_string(Range::min()), std::to_string(Range::max()),
                   std::to_string(keptAcceleration)});
}

std::string accelerationLegend(const std::vector<std::int16_t>& accelerations)
{
    if (accelerations.empty()) {
        return {};
    }
    const std::size_t named = std::min(accelerations.size(), legendCount);
    std::vector<std::string> values;
    values.reserve(named + 1);
    for (std::size_t i = 0; i < named; ++i) {
        values.push_back(std::to_string(accelerations[i]));
    }
    if (accelerations.size() > legendCount) {
        values.emplace_back("…");
    }
    return "a = " + join(values, "; ");
}

} // namespace content
