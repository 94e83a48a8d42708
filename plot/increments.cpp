// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/increments.h"

#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"

namespace plot {

Increments incrementsOfRun(const Graph& graph, const RunResult& run)
{
    // A bar spans the rows the curve rose over its interval; the axis reads rows per
    // axisPixelsPerUnit.
    const auto growth = [&](const std::optional<double>& from, const std::optional<double>& to) {
        return from && to ? std::optional((*from - *to) / graph.axisPixelsPerUnit) : std::nullopt;
    };
    const auto& [rowAt32, rowAt56, rowAt104, rowAt128] = run.markerRows;
    return {growth(rowAt32, rowAt56), growth(rowAt104, rowAt128)};
}

} // namespace plot
