// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/operation.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace plot::testing {

// The state one panel's marker shapes are left in, replayed from recorded operations.
struct ShapeState
{
    bool visible = false;
    std::optional<float> top;
    std::optional<float> left;
    std::optional<float> height;
};

struct RunSummary
{
    std::vector<winsys::Operation> operations;
    std::vector<winsys::Operation> segments;
    std::array<ShapeState, 6> shapes; // Shape3 .. Shape8
    std::optional<RunResult> result;  // none on overflow
    bool overflow = false;
    bool anyNegativeHeight = false;

    const ShapeState& shape(winsys::Shape name) const
    {
        return shapes.at(winsys::markerIndex(name));
    }
    int lastColumn() const { return static_cast<int>(segments.back().x2); }
    float lastRow() const { return segments.back().y2; }
};

// Runs one plot run into a recording and replays it.
// acceleration must lie in -32768 to 32767.
RunSummary runAndSummarize(const Graph& graph, int acceleration);

} // namespace plot::testing
