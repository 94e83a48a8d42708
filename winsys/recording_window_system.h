// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/operation.h"
#include "winsys/window_system.h"

#include <array>
#include <vector>

namespace winsys {

// Keeps every call in order and answers isPanelVisible from the flags last set
// (all panels start hidden).
class RecordingWindowSystem : public WindowSystem
{
public:
    void setPanelVisible(int panel, bool visible) override;
    bool isPanelVisible(int panel) override;
    void setShapeVisible(Shape shape, int panel, bool visible) override;
    void setShapeTop(Shape shape, int panel, float top) override;
    void setShapeLeft(Shape shape, int panel, float left) override;
    void setShapeHeight(Shape shape, int panel, float height) override;
    void drawSegment(int panel, float x1, float y1, float x2, float y2) override;
    void clearPanel(int panel) override;

    const std::vector<Operation>& operations() const { return m_operations; }
    void forgetOperations() { m_operations.clear(); }

private:
    std::vector<Operation> m_operations;
    std::array<bool, panelCount> m_panelVisible{};
};

} // namespace winsys
