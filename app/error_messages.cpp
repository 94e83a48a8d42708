// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/error_messages.h"

#include "plot/graph_catalogue.h"

namespace app {

namespace {

constexpr std::size_t longestQuote = 30;

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
    const std::string largest = std::to_string(graph.largestAcceleration);
    return "Überlauf: Mit a = " + std::to_string(acceleration) + " wird die Rechnung für „" +
           std::string(graph.buttonCaption) +
           "“ zu groß, es wurde nichts gezeichnet. Dieser Graph kann " + "Beschleunigungen von -" +
           largest + " bis " + largest + " zeichnen.";
}

std::string rejectedTextMessage(std::string_view text, std::int16_t keptAcceleration)
{
    return "„" + shortened(text) +
           "“ ist keine ganze Zahl von -32768 bis 32767. Die Beschleunigung " + "bleibt " +
           std::to_string(keptAcceleration) + ".";
}

} // namespace app
