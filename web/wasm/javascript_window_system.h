// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/window_system.h"

#include <emscripten/bind.h>

namespace web {

// The window system of the page: each operation calls the method of the same name on the
// JavaScript object that implements it (WindowSystem.implement({...}) on the page's side),
// with the shape as the number in its name.
class JavaScriptWindowSystem : public emscripten::wrapper<winsys::WindowSystem>
{
public:
    EMSCRIPTEN_WRAPPER(JavaScriptWindowSystem);

    void setPanelVisible(int panel, bool visible) override;
    bool isPanelVisible(int panel) override;
    void setShapeVisible(winsys::Shape shape, int panel, bool visible) override;
    void setShapeTop(winsys::Shape shape, int panel, float top) override;
    void setShapeLeft(winsys::Shape shape, int panel, float left) override;
    void setShapeHeight(winsys::Shape shape, int panel, float height) override;
    void drawSegment(int panel, float x1, float y1, float x2, float y2) override;
    void clearPanel(int panel) override;
};

} // namespace web
