// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/window_system.h"

#include <array>

namespace panels {

class GraphPanel;

// The window-system operations on the four Qt graph panels, Picture1(0) to Picture1(3).
// The panels must outlive this object.
class QtWindowSystem : public winsys::WindowSystem
{
public:
    explicit QtWindowSystem(const std::array<GraphPanel*, winsys::panelCount>& panels);

    void setPanelVisible(int panel, bool visible) override;
    bool isPanelVisible(int panel) override;
    void setShapeVisible(winsys::Shape shape, int panel, bool visible) override;
    void setShapeTop(winsys::Shape shape, int panel, float top) override;
    void setShapeLeft(winsys::Shape shape, int panel, float left) override;
    void setShapeHeight(winsys::Shape shape, int panel, float height) override;
    void drawSegment(int panel, float x1, float y1, float x2, float y2) override;
    void clearPanel(int panel) override;

private:
    GraphPanel& panelAt(int panel) const;

    std::array<GraphPanel*, winsys::panelCount> m_panels;
};

} // namespace panels
