#include "plot/increments.h"

#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/ignoring_window_system.h"
#include "winsys/runtime_error.h"

namespace plot {

namespace {

// Counts how often each bar's Height is set: once for the first bar when it is complete,
// twice for the second (its interim state at column 104, then the final one at 128).
class BarCounter : public winsys::IgnoringWindowSystem
{
public:
    void setShapeHeight(winsys::Shape shape, int, float) override
    {
        ++(shape == winsys::Shape::Shape7 ? firstBarHeights : secondBarHeights);
    }

    int firstBarHeights = 0;
    int secondBarHeights = 0;
};

} // namespace

Increments incrementsOfRun(const Graph& graph, std::int16_t acceleration)
{
    Increments increments;
    BarCounter bars;
    try {
        plotRun(graph, acceleration, bars);
    } catch (const winsys::RuntimeError&) {
        increments.overflow = true;
        return increments;
    }
    // Rows are k * q pixels above the base row; the axis reads pixels / axisPixelsPerUnit.
    const double axisUnitsPerQuantity =
        static_cast<double>(graph.verticalFactor) / graph.axisPixelsPerUnit;
    const auto growth = [&](double from, double to) {
        return (graph.value(acceleration, to) - graph.value(acceleration, from)) *
               axisUnitsPerQuantity;
    };
    if (bars.firstBarHeights == 1) {
        increments.early = growth(0.0, 0.05);
    }
    if (bars.secondBarHeights == 2) {
        increments.late = growth(0.15, 0.2);
    }
    return increments;
}

} // namespace plot
