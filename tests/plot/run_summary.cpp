// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_summary.h"

#include "plot/plot_run.h"
#include "winsys/recording_window_system.h"
#include "winsys/runtime_error.h"

#include <stdexcept>

namespace plot::testing {

RunSummary runAndSummarize(const Graph& graph, int acceleration)
{
    if (acceleration < -32768 || acceleration > 32767) {
        throw std::out_of_range("acceleration outside 16 bits");
    }
    winsys::RecordingWindowSystem recording;
    RunSummary summary;
    try {
        summary.result = plotRun(graph, static_cast<std::int16_t>(acceleration), recording);
    } catch (const winsys::RuntimeError& error) {
        summary.overflow = error.number() == winsys::ErrorNumber::Overflow;
    }
    summary.operations = recording.operations();

    using Kind = winsys::Operation::Kind;
    for (const winsys::Operation& operation : summary.operations) {
        ShapeState& shape = summary.shapes.at(winsys::markerIndex(operation.shape));
        switch (operation.kind) {
        case Kind::Segment:
            summary.segments.push_back(operation);
            break;
        case Kind::ShapeVisible:
            shape.visible = operation.visible;
            break;
        case Kind::ShapeTop:
            shape.top = operation.value;
            break;
        case Kind::ShapeLeft:
            shape.left = operation.value;
            break;
        case Kind::ShapeHeight:
            shape.height = operation.value;
            summary.anyNegativeHeight = summary.anyNegativeHeight || operation.value < 0.0F;
            break;
        default:
            break;
        }
    }
    return summary;
}

} // namespace plot::testing
