// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plot {
struct Graph;
struct RunResult;
} // namespace plot

namespace content {

// What a panel says of its last plot run, in German with the decimal comma, UTF-8.
struct Summary
{
    // The tooltip: one statement per line of at most 40 characters, e.g.
    //   a = 20
    //   Zuwachs 0 bis 0,05: 0,025
    //   Zuwachs 0,15 bis 0,2: 0,175
    //   Verhältnis 1 : 7
    std::string written;
    // What a screen reader says: the same statements in words and punctuation a German speech
    // synthesiser reads well, without "·", ":" between numbers or a minus sign, e.g. "a gleich
    // 20. Zuwachs von 0 bis 0,05: 0,025. Zuwachs von 0,15 bis 0,2: 0,175. Verhältnis 1 zu 7".
    // No final full stop: the screen reader adds its own pause.
    std::string spoken;
};

// The increments are those the run's bars show, read off the rows it set them from.
Summary runSummary(const plot::Graph& graph, std::int16_t acceleration, const plot::RunResult& run);
// After a run that overflowed and drew nothing.
Summary overflowSummary(const plot::Graph& graph, std::int16_t acceleration);
// Before any run and after a reset.
Summary nothingDrawnSummary();

// What a screen reader calls a graph's panel: the quantity over time, "Diagramm s über t".
std::string spokenPanelName(const plot::Graph& graph);
// The formula label in words: "s  =  0,5a * t²" is "s gleich 0,5 a mal t Quadrat".
std::string spokenFormula(const plot::Graph& graph);
// A panel's description for a screen reader: the spoken summary, then its formula in words.
std::string panelDescription(const plot::Graph& graph, std::string_view spokenSummary);

} // namespace content
