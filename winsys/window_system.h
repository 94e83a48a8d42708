// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

namespace winsys {

// The marker controls of a graph panel: the dots Shape3 to Shape6 and the increment bars
// Shape7 and Shape8. The value is the number in the control's name.
enum class Shape { Shape3 = 3, Shape4, Shape5, Shape6, Shape7, Shape8 };

// The six markers of a panel in the order of their names, and each one's place in it.
inline constexpr std::array<Shape, 6> markerShapes{Shape::Shape3, Shape::Shape4, Shape::Shape5,
                                                   Shape::Shape6, Shape::Shape7, Shape::Shape8};
inline constexpr std::size_t markerIndex(Shape marker)
{
    return static_cast<std::size_t>(marker) - static_cast<std::size_t>(Shape::Shape3);
}

inline constexpr int panelCount = 4;

// The operations through which the program acts on its graph panels. A panel is addressed by
// its index 0 to 3 (Picture1(i)); a shape by its name and the index of the panel it lies in.
// Coordinates are panel pixels in single precision: origin at the top-left of the drawing
// area, columns grow to the right, rows grow downward.
class WindowSystem
{
public:
    virtual ~WindowSystem() = default;

    virtual void setPanelVisible(int panel, bool visible) = 0;
    // The panel's own flag as last set, whether or not it is on screen right now.
    virtual bool isPanelVisible(int panel) = 0;
    virtual void setShapeVisible(Shape shape, int panel, bool visible) = 0;
    virtual void setShapeTop(Shape shape, int panel, float top) = 0;
    // Only for the dots Shape3 to Shape6; the bars keep their left edge.
    virtual void setShapeLeft(Shape shape, int panel, float left) = 0;
    // Only for the bars Shape7 and Shape8.
    virtual void setShapeHeight(Shape shape, int panel, float height) = 0;
    // A one-pixel black line from (x1, y1) to (x2, y2); parts outside the panel are clipped.
    virtual void drawSegment(int panel, float x1, float y1, float x2, float y2) = 0;
    // Erases every drawn segment; the panel's controls keep their state.
    virtual void clearPanel(int panel) = 0;

protected:
    WindowSystem() = default;
    WindowSystem(const WindowSystem&) = default;
    WindowSystem& operator=(const WindowSystem&) = default;
};

} // namespace winsys
