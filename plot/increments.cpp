// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/increments.h"

#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/window_system.h"

namespace plot {

Increments incrementsOfRun(const Graph& graph, std::int16_t acceleration, const RunResult& run)
{
    // Rows are k * q pixels above the base row; the axis reads pixels / axisPixelsPerUnit.
    const double axisUnitsPerQuantity =
        static_cast<double>(graph.verticalFactor) / graph.axisPixelsPerUnit;
    const auto growth = [&](double from, double to) {
        return (graph.value(acceleration, to) - graph.value(acceleration, from)) *
               axisUnitsPerQuantity;
    };
    Increments increments;
    if (run.completed(winsys::Shape::Shape7)) {
        increments.early = growth(0.0, 0.05);
    }
    if (run.completed(winsys::Shape::Shape8)) {
        increments.late = growth(0.15, 0.2);
    }
    return increments;
}

} // namespace plot
