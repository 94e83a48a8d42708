// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/window_system.h"

#include <iosfwd>
#include <string>

namespace winsys {

// One call of a WindowSystem operation, as a value: what a recording keeps and what the trace
// tool prints. Fields that a kind does not use stay zero, so equal calls compare equal.
struct Operation
{
    enum class Kind {
        PanelVisible,
        ReadPanelVisible,
        ShapeVisible,
        ShapeTop,
        ShapeLeft,
        ShapeHeight,
        Segment,
        Clear
    };

    Kind kind = Kind::PanelVisible;
    int panel = 0;
    Shape shape = Shape::Shape3;
    bool visible = false;
    float value = 0.0F; // Top, Left or Height, panel pixels
    float x1 = 0.0F;
    float y1 = 0.0F;
    float x2 = 0.0F;
    float y2 = 0.0F;

    static Operation panelVisible(int panel, bool visible);
    static Operation readPanelVisible(int panel);
    static Operation shapeVisible(Shape shape, int panel, bool visible);
    static Operation shapeTop(Shape shape, int panel, float top);
    static Operation shapeLeft(Shape shape, int panel, float left);
    static Operation shapeHeight(Shape shape, int panel, float height);
    static Operation segment(int panel, float x1, float y1, float x2, float y2);
    static Operation clear(int panel);

    friend bool operator==(const Operation&, const Operation&) = default;
};

// "Picture1(3)", "Shape7(3)".
std::string panelName(int panel);
std::string shapeName(Shape shape, int panel);

// The shortest text that reads back to the same float; whole values without a decimal part.
std::string formatNumber(float value);

// One line of the trace, without the newline, e.g. "line Picture1(3) 32 296 33 295.97223".
std::string toString(const Operation& operation);
std::ostream& operator<<(std::ostream& out, const Operation& operation);

} // namespace winsys
