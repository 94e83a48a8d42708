// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace plot {

// The four graph buttons of the window, in the order they stand.
enum class GraphButton { Command1, Command2, Command3, Command4 };

// The plotted quantity q for the acceleration a at time t (seconds, from 0 to 0.35).
// A formula with 16-bit integer steps raises winsys::RuntimeError on overflow.
using ValueFormula = double (*)(std::int16_t acceleration, double time);

struct Graph
{
    GraphButton button;
    std::string_view buttonCaption;
    int panel;                     // Picture1(panel) and the marker controls of that panel
    std::string_view formulaLabel; // UTF-8 caption of the panel's formula label
    ValueFormula value;
    int verticalFactor; // pixels per unit of q: row = 296 - verticalFactor * q
    // Pixels per unit of the value axis, as its tick labels read: "0,1" every 64 rows for s,
    // "0,2" every 24 for E kin (its axis reads twice the plotted quantity), "1" every 32 for v
    // and every 24 for P.
    int axisPixelsPerUnit;
    // The largest |a| whose formula does not overflow: E kin and P draw every a from
    // -largestAcceleration to largestAcceleration, s and v every 16-bit value.
    std::int16_t largestAcceleration;
};

// The four value formulas. E kin computes a * a, and P 2 * a and then (2 * a) * a, as checked
// 16-bit products.
double distance(std::int16_t acceleration, double time);
double kineticEnergy(std::int16_t acceleration, double time);
double velocity(std::int16_t acceleration, double time);
double power(std::int16_t acceleration, double time);

// s and v draw every acceleration the 16 bits hold.
inline constexpr std::int16_t anyAcceleration = std::numeric_limits<std::int16_t>::max();

// The panel index does not follow the button order: each panel's axes and formula label
// belong to its own graph.
inline constexpr std::array<Graph, 4> graphCatalogue{{
    {GraphButton::Command1, "s", 3, "s  =  0,5a * t²", &distance, 640, 640, anyAcceleration},
    {GraphButton::Command2, "E kin", 2, "E kin  =  0,5m * v²", &kineticEnergy, 240, 120, 181},
    {GraphButton::Command3, "v", 0, "v   =   a * t", &velocity, 32, 32, anyAcceleration},
    {GraphButton::Command4, "P", 1, "P  =  m * a * v", &power, 24, 24, 127},
}};

const Graph& graphForButton(GraphButton button);
const Graph& graphForPanel(int panel);

} // namespace plot
