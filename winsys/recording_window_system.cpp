// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/recording_window_system.h"

namespace winsys {

void RecordingWindowSystem::setPanelVisible(int panel, bool visible)
{
    m_operations.push_back(Operation::panelVisible(panel, visible));
    m_panelVisible.at(static_cast<std::size_t>(panel)) = visible;
}

bool RecordingWindowSystem::isPanelVisible(int panel)
{
    m_operations.push_back(Operation::readPanelVisible(panel));
    return m_panelVisible.at(static_cast<std::size_t>(panel));
}

void RecordingWindowSystem::setShapeVisible(Shape shape, int panel, bool visible)
{
    m_operations.push_back(Operation::shapeVisible(shape, panel, visible));
}

void RecordingWindowSystem::setShapeTop(Shape shape, int panel, float top)
{
    m_operations.push_back(Operation::shapeTop(shape, panel, top));
}

void RecordingWindowSystem::setShapeLeft(Shape shape, int panel, float left)
{
    m_operations.push_back(Operation::shapeLeft(shape, panel, left));
}

void RecordingWindowSystem::setShapeHeight(Shape shape, int panel, float height)
{
    m_operations.push_back(Operation::shapeHeight(shape, panel, height));
}

void RecordingWindowSystem::drawSegment(int panel, float x1, float y1, float x2, float y2)
{
    m_operations.push_back(Operation::segment(panel, x1, y1, x2, y2));
}

void RecordingWindowSystem::clearPanel(int panel)
{
    m_operations.push_back(Operation::clear(panel));
}

} // namespace winsys
