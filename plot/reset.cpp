// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/reset.h"

#include "winsys/window_system.h"

namespace plot {

std::optional<int> firstVisiblePanel(winsys::WindowSystem& windows)
{
    for (int panel = 0; panel < winsys::panelCount; ++panel) {
        if (windows.isPanelVisible(panel)) {
            return panel;
        }
    }
    return std::nullopt;
}

std::optional<int> resetVisiblePanel(winsys::WindowSystem& windows)
{
    const std::optional<int> panel = firstVisiblePanel(windows);
    if (panel) {
        for (winsys::Shape marker : winsys::markerShapes) {
            windows.setShapeVisible(marker, *panel, false);
        }
        windows.clearPanel(*panel);
    }
    return panel;
}

} // namespace plot
