// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/summary.h"

#include "content/german_text.h"
#include "plot/graph_catalogue.h"
#include "plot/increments.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

namespace content {

namespace {

// A synthesiser may drop a leading hyphen or read it as a dash; "minus" it always says.
std::string spokenNumber(double value)
{
    const std::string digits = germanNumber(std::abs(value));
    return value < 0.0 ? "minus " + digits : digits;
}

std::string writtenWhole(int value)
{
    return std::to_string(value);
}

std::string spokenWhole(int value)
{
    return (value < 0 ? "minus " : "") + std::to_string(std::abs(value));
}

// The two forms of a summary share their statements and differ only in these words. In the
// templates "%1" and "%2" stand for the values.
struct Wording
{
    std::string (*number)(double);
    std::string (*wholeNumber)(int);
    std::string_view separator;
    std::string_view acceleration;  // %1: a
    std::string_view interval;      // %1: the interval, %2: its growth
    std::string_view ratio;         // %1: the second growth over the first
    std::string_view noGrowth;      // a = 0
    std::string_view leavesDiagram; // the run ended before a bar was complete
    std::string_view overflow;      // %1: the largest acceleration the graph draws
};

// One statement per line keeps the tooltip about as wide as the panel.
const Wording written = {
    &germanNumber,
    &writtenWhole,
    "\n",
    "a = %1",
    "Zuwachs %1: %2",
    "Verhältnis 1 : %1",
    "kein Zuwachs",
    "die Kurve verlässt das Diagramm vorher",
    "nichts gezeichnet: Überlauf,\ndieser Graph zeichnet nur\nBeschleunigungen von -%1 bis %1",
};

// Sentences, without "=", "·", ":" between numbers or a minus sign.
const Wording spoken = {
    &spokenNumber,
    &spokenWhole,
    ". ",
    "a gleich %1",
    "Zuwachs von %1: %2",
    "Verhältnis 1 zu %1",
    "Kein Zuwachs",
    "Die Kurve verlässt das Diagramm vorher",
    "Nichts gezeichnet: Überlauf, dieser Graph zeichnet nur Beschleunigungen von minus %1 bis %1",
};

std::string accelerationStatement(const Wording& wording, std::int16_t acceleration)
{
    return fillIn(wording.acceleration, {wording.wholeNumber(acceleration)});
}

std::string summary(const Wording& wording, std::int16_t acceleration,
                    const plot::Increments& increments)
{
    const auto interval = [&wording](std::string_view span, const std::optional<double>& growth) {
        return fillIn(wording.interval,
                      {std::string(span), growth ? wording.number(*growth) : "nicht erreicht"});
    };
    std::vector<std::string> statements = {accelerationStatement(wording, acceleration),
                                           interval("0 bis 0,05", increments.early),
                                           interval("0,15 bis 0,2", increments.late)};
    if (!increments.early || !increments.late) {
        statements.emplace_back(wording.leavesDiagram);
    } else if (*increments.early == 0.0) {
        statements.emplace_back(wording.noGrowth);
    } else {
        // Rounded to three decimals: 1 : 7, not 1 : 6,999999.
        const double ratio = std::round(*increments.late / *increments.early * 1000.0) / 1000.0;
        statements.push_back(fillIn(wording.ratio, {wording.number(ratio)}));
    }
    return join(statements, wording.separator);
}

std::string overflow(const Wording& wording, const plot::Graph& graph, std::int16_t acceleration)
{
    return accelerationStatement(wording, acceleration) + std::string(wording.separator) +
           fillIn(wording.overflow, {std::to_string(graph.largestAcceleration)});
}

} // namespace

Summary runSummary(const plot::Graph& graph, std::int16_t acceleration, const plot::RunResult& run)
{
    const plot::Increments increments = plot::incrementsOfRun(graph, run);
    return {summary(written, acceleration, increments), summary(spoken, acceleration, increments)};
}

Summary overflowSummary(const plot::Graph& graph, std::int16_t acceleration)
{
    return {overflow(written, graph, acceleration), overflow(spoken, graph, acceleration)};
}

Summary nothingDrawnSummary()
{
    return {"Nichts gezeichnet", "Nichts gezeichnet"};
}

std::string spokenPanelName(const plot::Graph& graph)
{
    return fillIn("Diagramm %1 über t", {std::string(graph.buttonCaption)});
}

std::string spokenFormula(const plot::Graph& graph)
{
    // Signs become words, a factor written against its number ("0,5a") two words, and runs of
    // blanks one blank.
    std::string words;
    const std::string_view label = graph.formulaLabel;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const char character = label[i];
        if (character == '=') {
            words += " gleich ";
        } else if (character == '*') {
            words += " mal ";
        } else if (label.substr(i).starts_with("²")) {
            words += " Quadrat";
            i += std::string_view("²").size() - 1;
        } else {
            const bool letterAfterDigit = i > 0 &&
                                          std::isdigit(static_cast<unsigned char>(label[i - 1])) &&
                                          std::isalpha(static_cast<unsigned char>(character));
            if (letterAfterDigit) {
                words += ' ';
            }
            words += character;
        }
    }
    return collapseBlanks(words);
}

std::string panelDescription(const plot::Graph& graph, std::string_view spokenSummary)
{
    return std::string(spokenSummary) + ". Formel: " + spokenFormula(graph);
}

} // namespace content
