// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/colours.h"
#include "content/pixel_geometry.h"

#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <vector>

// The core's values as JavaScript values for the page. Colours are "#rrggbb", or the desktop's
// own by role: "windowBackground", "windowText", "workspace".
namespace web {

std::string hexColour(content::Rgb rgb);
std::string colourName(content::PanelColour colour);
emscripten::val text(std::string_view utf8);
// {pixels: [{left, top, width, height}, …], colour}
emscripten::val filled(const std::vector<content::PixelRect>& pixels, content::PanelColour colour);

template <typename Values> emscripten::val numbers(const Values& values)
{
    emscripten::val list = emscripten::val::array();
    for (const auto value : values) {
        list.call<void>("push", static_cast<int>(value));
    }
    return list;
}

} // namespace web
