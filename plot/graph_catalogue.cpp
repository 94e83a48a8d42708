#include "plot/graph_catalogue.h"

#include "winsys/int16_arithmetic.h"
#include "winsys/runtime_error.h"

#include <algorithm>
#include <stdexcept>

namespace plot {

// Every step after the integer products is a double operation in the order the brackets give;
// the divisions are double divisions. This order keeps the stop test of the plot run exact
// (for example the P-graph with a = 20 reaches row 32.0 exactly at column 197).

double distance(std::int16_t acceleration, double time)
{
    return ((acceleration * time) * time) / 2.0;
}

double kineticEnergy(std::int16_t acceleration, double time)
{
    const std::int16_t squared = winsys::multiplyChecked(acceleration, acceleration);
    return ((((squared * time) * time) * 20.0) / 1000.0);
}

double velocity(std::int16_t acceleration, double time)
{
    return acceleration * time;
}

double power(std::int16_t acceleration, double time)
{
    const std::int16_t doubled = winsys::multiplyChecked(2, acceleration);
    const std::int16_t product = winsys::multiplyChecked(doubled, acceleration);
    return (product * time) / 25.0;
}

const Graph& graphForButton(GraphButton button)
{
    const auto* const found =
        std::find_if(graphCatalogue.begin(), graphCatalogue.end(),
                     [button](const Graph& graph) { return graph.button == button; });
    if (found == graphCatalogue.end()) {
        throw std::out_of_range("no graph for this button");
    }
    return *found;
}

std::int16_t largestDrawableAcceleration(const Graph& graph)
{
    // Overflow grows with |a|, so the drawable accelerations 0, 1, ... end at one boundary.
    const auto overflows = [&graph](int acceleration) {
        try {
            graph.value(static_cast<std::int16_t>(acceleration), 0.0);
            return false;
        } catch (const winsys::RuntimeError&) {
            return true;
        }
    };
    int drawable = 0;
    int failing = 32768;
    while (failing - drawable > 1) {
        const int middle = (drawable + failing) / 2;
        (overflows(middle) ? failing : drawable) = middle;
    }
    return static_cast<std::int16_t>(drawable);
}

const Graph& graphForPanel(int panel)
{
    const auto* const found =
        std::find_if(graphCatalogue.begin(), graphCatalogue.end(),
                     [panel](const Graph& graph) { return graph.panel == panel; });
    if (found == graphCatalogue.end()) {
        throw std::out_of_range("no graph for this panel");
    }
    return *found;
}

} // namespace plot
