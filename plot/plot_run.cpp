// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_run.h"

#include "plot/graph_catalogue.h"
#include "winsys/window_system.h"

#include <initializer_list>

namespace plot {
namespace {

using winsys::Shape;

constexpr int firstColumn = 32; // also where the first dot is placed
constexpr int rightmostColumn = 200;
// Where the other dots are placed; the first bar is complete at the second dot, the second
// bar at the fourth.
constexpr int secondDotColumn = 56;
constexpr int thirdDotColumn = 104;
constexpr int fourthDotColumn = 128;
constexpr double baseRow = 296.0;
constexpr double topLimit = 32.0;
constexpr double columnsPerTimeUnit = 480.0;

// A dot's 5 x 9 box is centred on (x, y) with Left = x - 2 and Top = y - 4.
constexpr int dotLeftOffset = 2;
constexpr double dotTopOffset = 4.0;

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
    switch (marker) {
    case Shape::Shape3:
        return lastColumn >= firstColumn;
    case Shape::Shape4:
    case Shape::Shape7:
        return lastColumn >= secondDotColumn;
    case Shape::Shape5:
        return lastColumn >= thirdDotColumn;
    case Shape::Shape6:
    case Shape::Shape8:
        return lastColumn >= fourthDotColumn;
    }
    return false;
}

double curveRow(const Graph& graph, std::int16_t acceleration, int column)
{
    const double time = (column - firstColumn) / columnsPerTimeUnit;
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

    int previousColumn = firstColumn;
    double previousRow = baseRow;
    double rowAt32 = baseRow;
    double rowAt104 = baseRow;
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
        case secondDotColumn:
            placeDot(windows, Shape::Shape4, panel, column, row);
            windows.setShapeVisible(Shape::Shape7, panel, true);
            windows.setShapeTop(Shape::Shape7, panel, single(row));
            windows.setShapeHeight(Shape::Shape7, panel, single(rowAt32 - row));
            break;
        case thirdDotColumn:
            // Until column 128 the second bar reaches from the top limit down to the curve.
            placeDot(windows, Shape::Shape5, panel, column, row);
            rowAt104 = row;
            windows.setShapeVisible(Shape::Shape8, panel, true);
            windows.setShapeTop(Shape::Shape8, panel, single(topLimit));
            windows.setShapeHeight(Shape::Shape8, panel, single(row - topLimit));
            break;
        case fourthDotColumn:
            placeDot(windows, Shape::Shape6, panel, column, row);
            windows.setShapeTop(Shape::Shape8, panel, single(row));
            windows.setShapeHeight(Shape::Shape8, panel, single(rowAt104 - row));
            break;
        default:
            break;
        }
    }
    return RunResult{previousColumn};
}

} // namespace plot
