// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/graph_catalogue.h"

#include "winsys/int16_arithmetic.h"

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

namespace {

template <typename Matches> const Graph& findGraph(Matches matches, const char* missing)
{
    const auto* const found = std::find_if(graphCatalogue.begin(), graphCatalogue.end(), matches);
    if (found == graphCatalogue.end()) {
        throw std::out_of_range(missing);
    }
    return *found;
}

} // namespace

const Graph& graphForButton(GraphButton button)
{
    return findGraph([button](const Graph& graph) { return graph.button == button; },
                     "no graph for this button");
}

const Graph& graphForPanel(int panel)
{
    return findGraph([panel](const Graph& graph) { return graph.panel == panel; },
                     "no graph for this panel");
}

} // namespace plot
