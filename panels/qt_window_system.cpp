// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/qt_window_system.h"

#include "panels/graph_panel.h"
#include "panels/panel_shape.h"

#include <stdexcept>

namespace panels {

QtWindowSystem::QtWindowSystem(const std::array<GraphPanel*, winsys::panelCount>& panels)
    : m_panels(panels)
{}

GraphPanel& QtWindowSystem::panelAt(int panel) const
{
    if (panel < 0 || panel >= winsys::panelCount) {
        throw std::out_of_range("panel index outside 0 to 3");
    }
    return *m_panels[static_cast<std::size_t>(panel)];
}

void QtWindowSystem::setPanelVisible(int panel, bool visible)
{
    panelAt(panel).setShown(visible);
}

bool QtWindowSystem::isPanelVisible(int panel)
{
    return panelAt(panel).isShown();
}

void QtWindowSystem::setShapeVisible(winsys::Shape shape, int panel, bool visible)
{
    panelAt(panel).shape(shape)->setShown(visible);
}

void QtWindowSystem::setShapeTop(winsys::Shape shape, int panel, float top)
{
    panelAt(panel).shape(shape)->setTop(top);
}

void QtWindowSystem::setShapeLeft(winsys::Shape shape, int panel, float left)
{
    panelAt(panel).shape(shape)->setLeft(left);
}

void QtWindowSystem::setShapeHeight(winsys::Shape shape, int panel, float height)
{
    panelAt(panel).shape(shape)->setHeight(height);
}

void QtWindowSystem::drawSegment(int panel, float x1, float y1, float x2, float y2)
{
    panelAt(panel).drawSegment(x1, y1, x2, y2);
}

void QtWindowSystem::clearPanel(int panel)
{
    panelAt(panel).clearCurves();
}

} // namespace panels
