// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "javascript_window_system.h"

namespace web {
namespace {

int shapeNumber(winsys::Shape shape)
{
    return static_cast<int>(shape);
}

} // namespace

void JavaScriptWindowSystem::setPanelVisible(int panel, bool visible)
{
    call<void>("setPanelVisible", panel, visible);
}

bool JavaScriptWindowSystem::isPanelVisible(int panel)
{
    return call<bool>("isPanelVisible", panel);
}

void JavaScriptWindowSystem::setShapeVisible(winsys::Shape shape, int panel, bool visible)
{
    call<void>("setShapeVisible", shapeNumber(shape), panel, visible);
}

void JavaScriptWindowSystem::setShapeTop(winsys::Shape shape, int panel, float top)
{
    call<void>("setShapeTop", shapeNumber(shape), panel, top);
}

void JavaScriptWindowSystem::setShapeLeft(winsys::Shape shape, int panel, float left)
{
    call<void>("setShapeLeft", shapeNumber(shape), panel, left);
}

void JavaScriptWindowSystem::setShapeHeight(winsys::Shape shape, int panel, float height)
{
    call<void>("setShapeHeight", shapeNumber(shape), panel, height);
}

void JavaScriptWindowSystem::drawSegment(int panel, float x1, float y1, float x2, float y2)
{
    call<void>("drawSegment", panel, x1, y1, x2, y2);
}

void JavaScriptWindowSystem::clearPanel(int panel)
{
    call<void>("clearPanel", panel);
}

} // namespace web
