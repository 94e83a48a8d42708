// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace winsys {
class WindowSystem;
}

namespace plot {

// What "zurücksetzen" does: finds the first shown panel in the order 0, 1, 2, 3, hides its
// dots and bars and clears its curves. With no panel shown it does nothing. Returns the
// index of the panel reset, if any.
std::optional<int> resetVisiblePanel(winsys::WindowSystem& windows);

} // namespace plot
