#pragma once

#include <QString>

#include <cstdint>

namespace plot {
struct Graph;
struct RunResult;
} // namespace plot

namespace app {

// What a panel's tooltip says after a plot run (app::spokenSummary is its spoken form), in German
// with the decimal comma, one statement per line of at most 40 characters, e.g.
//   a = 20
//   Zuwachs 0 bis 0,05: 0,025
//   Zuwachs 0,15 bis 0,2: 0,175
//   Verhältnis 1 : 7
QString incrementSummary(const plot::Graph& graph, std::int16_t acceleration,
                         const plot::RunResult& run);

// After a run that overflowed and drew nothing.
QString overflowSummary(const plot::Graph& graph, std::int16_t acceleration);

// Before any run and after a reset.
QString nothingDrawnSummary();

} // namespace app
