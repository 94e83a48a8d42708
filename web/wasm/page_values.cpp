// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_values.h"

#include <array>
#include <cstdio>
#include <stdexcept>

namespace web {

using emscripten::val;

namespace {

val rect(const content::PixelRect& pixels)
{
    val object = val::object();
    object.set("left", pixels.left);
    object.set("top", pixels.top);
    object.set("width", pixels.width);
    object.set("height", pixels.height);
    return object;
}

} // namespace

std::string hexColour(content::Rgb rgb)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text.data();
}

std::string colourName(content::PanelColour colour)
{
    if (const auto rgb = content::fixedRgb(colour)) {
        return hexColour(*rgb);
    }
    switch (colour) {
    case content::PanelColour::WindowBackground:
        return "windowBackground";
    case content::PanelColour::WindowText:
        return "windowText";
    case content::PanelColour::Workspace:
        return "workspace";
    default:
        throw std::invalid_argument("a panel colour with neither an RGB value nor a role");
    }
}

// Embind hands std::string to JavaScript as UTF-8.
val text(std::string_view utf8)
{
    return val(std::string(utf8));
}

val filled(const std::vector<content::PixelRect>& pixels, content::PanelColour colour)
{
    val list = val::array();
    for (const content::PixelRect& each : pixels) {
        list.call<void>("push", rect(each));
    }
    val object = val::object();
    object.set("pixels", list);
    object.set("colour", colourName(colour));
    return object;
}

} // namespace web
