#pragma once

#include <cstdint>
#include <optional>

namespace plot {

struct Graph;

// The growth of a graph's quantity over the two intervals its increment bars show, t = 0 to
// 0.05 and t = 0.15 to 0.2, in the units its value axis reads. An interval is empty when the
// run ends before the bar for it is complete.
struct Increments
{
    bool overflow = false;
    std::optional<double> early;
    std::optional<double> late;
};

// Runs the graph's plot run without a window to see which bars it completes, and computes
// the increments from the value formula in double precision.
Increments incrementsOfRun(const Graph& graph, std::int16_t acceleration);

} // namespace plot
