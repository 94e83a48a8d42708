#include "app/reset.h"

#include "winsys/window_system.h"

#include <initializer_list>

namespace app {

std::optional<int> resetVisiblePanel(winsys::WindowSystem& windows)
{
    using winsys::Shape;
    for (int panel = 0; panel < winsys::panelCount; ++panel) {
        if (!windows.isPanelVisible(panel)) {
            continue;
        }
        for (Shape marker : {Shape::Shape3, Shape::Shape4, Shape::Shape5, Shape::Shape6,
                             Shape::Shape7, Shape::Shape8}) {
            windows.setShapeVisible(marker, panel, false);
        }
        windows.clearPanel(panel);
        return panel;
    }
    return std::nullopt;
}

} // namespace app
