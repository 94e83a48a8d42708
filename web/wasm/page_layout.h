// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <emscripten/val.h>

namespace web {

// The window for the page (web/src/page_core.d.ts, WindowLayout): its size and caption, the
// controls in window pixels, the panels' size, names and Tab order, the start value, the
// buttons' colours, and the page's own words.
emscripten::val windowLayout();

} // namespace web
