// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace plot {

struct Graph;
struct RunResult;

// The growth of a graph's quantity over the two intervals its increment bars show, t = 0 to
// 0.05 and t = 0.15 to 0.2, in the units its value axis reads. An interval is empty when the
// run ended before the bar for it was complete.
struct Increments
{
    std::optional<double> early;
    std::optional<double> late;
};

// The increments of a run that has drawn, read off the rows it set its bars from.
Increments incrementsOfRun(const Graph& graph, const RunResult& run);

} // namespace plot
