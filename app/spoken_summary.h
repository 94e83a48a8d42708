#pragma once

#include <QString>

#include <cstdint>

namespace plot {
struct Graph;
struct RunResult;
} // namespace plot

namespace app {

// What a screen reader says of a plot run: the numbers of incrementSummary in words and
// punctuation a German speech synthesiser reads well, without "·", ":" between numbers or a
// minus sign, e.g. "a gleich 20. Zuwachs von 0 bis 0,05: 0,025. Zuwachs von 0,15 bis 0,2:
// 0,175. Verhältnis 1 zu 7". No final full stop: the screen reader adds its own pause.
QString spokenSummary(const plot::Graph& graph, std::int16_t acceleration,
                      const plot::RunResult& run);

// After a run that overflowed and drew nothing: "a gleich 128. Nichts gezeichnet: Überlauf,
// dieser Graph zeichnet nur Beschleunigungen von minus 127 bis 127".
QString spokenOverflowSummary(const plot::Graph& graph, std::int16_t acceleration);

} // namespace app
