// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace winsys {
class WindowSystem;
}

namespace plot {

// The panel the learner sees: the first whose Visible flag is set, in the order 0, 1, 2, 3.
// Panels after it are not asked. None when no panel is shown.
std::optional<int> firstVisiblePanel(winsys::WindowSystem& windows);

// What "zurücksetzen" does: hides the dots and bars of the first visible panel and clears its
// curves. With no panel shown it does nothing. Returns the index of the panel reset, if any.
std::optional<int> resetVisiblePanel(winsys::WindowSystem& windows);

} // namespace plot
