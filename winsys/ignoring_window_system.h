// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/window_system.h"

namespace winsys {

// Does nothing and reports every panel hidden: a base for observers of a plot run that
// override only the operations they watch.
class IgnoringWindowSystem : public WindowSystem
{
public:
    void setPanelVisible(int, bool) override {}
    bool isPanelVisible(int) override { return false; }
    void setShapeVisible(Shape, int, bool) override {}
    void setShapeTop(Shape, int, float) override {}
    void setShapeLeft(Shape, int, float) override {}
    void setShapeHeight(Shape, int, float) override {}
    void drawSegment(int, float, float, float, float) override {}
    void clearPanel(int) override {}
};

} // namespace winsys
