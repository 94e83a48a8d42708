// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/operation.h"

#include "winsys/float_text.h"

#include <array>
#include <charconv>
#include <ostream>
#include <version>

namespace winsys {

Operation Operation::panelVisible(int panel, bool visible)
{
    Operation operation;
    operation.kind = Kind::PanelVisible;
    operation.panel = panel;
    operation.visible = visible;
    return operation;
}

Operation Operation::readPanelVisible(int panel)
{
    Operation operation;
    operation.kind = Kind::ReadPanelVisible;
    operation.panel = panel;
    return operation;
}

Operation Operation::shapeVisible(Shape shape, int panel, bool visible)
{
    Operation operation;
    operation.kind = Kind::ShapeVisible;
    operation.panel = panel;
    operation.shape = shape;
    operation.visible = visible;
    return operation;
}

namespace {

Operation shapeValue(Operation::Kind kind, Shape shape, int panel, float value)
{
    Operation operation;
    operation.kind = kind;
    operation.panel = panel;
    operation.shape = shape;
    operation.value = value;
    return operation;
}

} // namespace

Operation Operation::shapeTop(Shape shape, int panel, float top)
{
    return shapeValue(Kind::ShapeTop, shape, panel, top);
}

Operation Operation::shapeLeft(Shape shape, int panel, float left)
{
    return shapeValue(Kind::ShapeLeft, shape, panel, left);
}

Operation Operation::shapeHeight(Shape shape, int panel, float height)
{
    return shapeValue(Kind::ShapeHeight, shape, panel, height);
}

Operation Operation::segment(int panel, float x1, float y1, float x2, float y2)
{
    Operation operation;
    operation.kind = Kind::Segment;
    operation.panel = panel;
    operation.x1 = x1;
    operation.y1 = y1;
    operation.x2 = x2;
    operation.y2 = y2;
    return operation;
}

Operation Operation::clear(int panel)
{
    Operation operation;
    operation.kind = Kind::Clear;
    operation.panel = panel;
    return operation;
}

std::string panelName(int panel)
{
    return "Picture1(" + std::to_string(panel) + ")";
}

std::string shapeName(Shape shape, int panel)
{
    return "Shape" + std::to_string(static_cast<int>(shape)) + "(" + std::to_string(panel) + ")";
}

std::string formatNumber(float value)
{
#if defined(__cpp_lib_to_chars)
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
#else
    return shortestFloatText(value);
#endif
}

namespace {

std::string flagText(bool visible)
{
    return visible ? "true" : "false";
}

} // namespace

std::string toString(const Operation& operation)
{
    using Kind = Operation::Kind;
    const std::string shape = shapeName(operation.shape, operation.panel);
    switch (operation.kind) {
    case Kind::PanelVisible:
        return "visible " + panelName(operation.panel) + " " + flagText(operation.visible);
    case Kind::ReadPanelVisible:
        return "visible? " + panelName(operation.panel);
    case Kind::ShapeVisible:
        return "visible " + shape + " " + flagText(operation.visible);
    case Kind::ShapeTop:
        return "top " + shape + " " + formatNumber(operation.value);
    case Kind::ShapeLeft:
        return "left " + shape + " " + formatNumber(operation.value);
    case Kind::ShapeHeight:
        return "height " + shape + " " + formatNumber(operation.value);
    case Kind::Segment:
        return "line " + panelName(operation.panel) + " " + formatNumber(operation.x1) + " " +
               formatNumber(operation.y1) + " " + formatNumber(operation.x2) + " " +
               formatNumber(operation.y2);
    case Kind::Clear:
        return "clear " + panelName(operation.panel);
    }
    return "unknown operation";
}

std::ostream& operator<<(std::ostream& out, const Operation& operation)
{
    return out << toString(operation);
}

} // namespace winsys
