// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_run.h"

#include "plot/diagram_geometry.h"
#include "plot/graph_catalogue.h"
#include "winsys/window_system.h"

#include <initializer_list>

namespace plot {
namespace {

using winsys::Shape;

float single(double value)
{
    return static_cast<float>(value);
}

void placeDot(winsys::WindowSystem& windows, Shape dot, int panel, int column, double row)
{
    windows.setShapeVisible(dot, panel, true);
    windows.setShapeTop(dot, panel, single(row - dotTopOffset));
    windows.setShapeLeft(dot, panel, static_cast<float>(column - dotLeftOffset));
}

} // namespace

bool RunResult::completed(Shape marker) const
{
    // The first bar is complete at the second dot, the second bar at the fourth.
    const std::size_t column = marker == Shape::Shape7   ? 1
                               : marker == Shape::Shape8 ? 3
                                                         : winsys::markerIndex(marker);
    return markerRows.at(column).has_value();
}

double curveRow(const Graph& graph, std::int16_t acceleration, int column)
{
    const double time = (column - firstColumn) / static_cast<double>(columnsPerTimeUnit);
    const double quantity = graph.value(acceleration, time);
    return baseRow - (graph.verticalFactor * quantity);
}

RunResult plotRun(const Graph& graph, std::int16_t acceleration, winsys::WindowSystem& windows)
{
    const int panel = graph.panel;
    for (int index = 0; index < winsys::panelCount; ++index) {
        windows.setPanelVisible(index, index == panel);
    }
    for (Shape marker : {Shape::Shape7, Shape::Shape8, Shape::Shape3, Shape::Shape4, Shape::Shape5,
                         Shape::Shape6}) {
        windows.setShapeVisible(marker, panel, false);
    }

    RunResult result;
    // Each bar is set from rows of this run: the run passes column 32 before 56, 104 before 128.
    auto& [rowAt32, rowAt56, rowAt104, rowAt128] = result.markerRows;
    int previousColumn = firstColumn;
    double previousRow = baseRow;
    for (int column = firstColumn; column <= rightmostColumn && previousRow >= topLimit; ++column) {
        const double row = curveRow(graph, acceleration, column);
        windows.drawSegment(panel, static_cast<float>(previousColumn), single(previousRow),
                            static_cast<float>(column), single(row));
        previousColumn = column;
        previousRow = row;

        switch (column) {
        case firstColumn:
            placeDot(windows, Shape::Shape3, panel, column, row);
            rowAt32 = row;
            break;
        case earlyEndColumn:
            placeDot(windows, Shape::Shape4, panel, column, row);
            rowAt56 = row;
            windows.setShapeVisible(Shape::Shape7, panel, true);
            windows.setShapeTop(Shape::Shape7, panel, single(row));
            windows.setShapeHeight(Shape::Shape7, panel, single(*rowAt32 - row));
            break;
        case lateStartColumn:
            // Until column 128 the second bar reaches from the top limit down to the curve.
            placeDot(windows, Shape::Shape5, panel, column, row);
            rowAt104 = row;
            windows.setShapeVisible(Shape::Shape8, panel, true);
            windows.setShapeTop(Shape::Shape8, panel, single(topLimit));
            windows.setShapeHeight(Shape::Shape8, panel, single(row - topLimit));
            break;
        case lateEndColumn:
            placeDot(windows, Shape::Shape6, panel, column, row);
            rowAt128 = row;
            windows.setShapeTop(Shape::Shape8, panel, single(row));
            windows.setShapeHeight(Shape::Shape8, panel, single(*rowAt104 - row));
            break;
        default:
            break;
        }
    }
    result.lastColumn = previousColumn;
    return result;
}

} // namespace plot
