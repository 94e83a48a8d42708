// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_scene.h"

#include "content/colours.h"
#include "content/panel_contents.h"
#include "content/pixel_geometry.h"
#include "content/summary.h"
#include "content/window_layout.h"
#include "page_words.h"
#include "plot/diagram_geometry.h"
#include "plot/graph_catalogue.h"
#include "winsys/window_system.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace web {
namespace {

using emscripten::val;

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
    default:
        return "workspace";
    }
}

// Embind hands std::string to JavaScript as UTF-8.
val text(std::string_view utf8)
{
    return val(std::string(utf8));
}

val rect(const content::PixelRect& pixels)
{
    val object = val::object();
    object.set("left", pixels.left);
    object.set("top", pixels.top);
    object.set("width", pixels.width);
    object.set("height", pixels.height);
    return object;
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

val control(const content::ControlEntry& entry)
{
    val object = val::object();
    object.set("name", text(entry.name));
    object.set("caption", text(entry.caption));
    object.set("left", content::columnLeft);
    object.set("top", entry.top);
    object.set("width", content::columnWidth);
    object.set("height", entry.height);
    object.set("fontPixels", entry.fontPixels);
    object.set("spoken", text(entry.spoken));
    return object;
}

val numbers(const auto& values)
{
    val list = val::array();
    for (const auto value : values) {
        list.call<void>("push", value);
    }
    return list;
}

const content::ShapeEntry& shapeEntry(int panel, int shape)
{
    // Shape1 .. Shape8 in the order of their names.
    return content::panelContents(panel).shapes.at(static_cast<std::size_t>(shape - 1));
}

val masked(const content::ShapeEntry& entry, float top, float height, double scale)
{
    const content::MaskedPixels pixels = content::maskedPixels(
        static_cast<float>(entry.left), top, entry.width, height, entry.outline.has_value(), scale);
    val object = val::object();
    object.set("outline", filled(pixels.outline, entry.outline.value_or(entry.colour)));
    object.set("fill", filled({pixels.fill}, entry.colour));
    return object;
}

val label(const content::LabelEntry& entry)
{
    const auto font = content::labelFontSize(entry.font);
    val object = val::object();
    object.set("text", text(entry.text));
    object.set("left", entry.left);
    object.set("top", entry.top);
    object.set("width", entry.width);
    object.set("height", entry.height);
    object.set("fontPixels", font ? val(font->pixels) : val::null());
    object.set("bold", font && font->bold);
    return object;
}

val panelNames()
{
    val names = val::array();
    for (int panel = 0; panel < winsys::panelCount; ++panel) {
        names.call<void>("push", text(content::spokenPanelName(plot::graphForPanel(panel))));
    }
    return names;
}

val panelOfButton()
{
    val panels = val::array();
    for (const plot::Graph& graph : plot::graphCatalogue) {
        panels.call<void>("push", graph.panel);
    }
    return panels;
}

val markerShapeNumbers()
{
    val shapes = val::array();
    for (const winsys::Shape marker : winsys::markerShapes) {
        shapes.call<void>("push", static_cast<int>(marker));
    }
    return shapes;
}

val pageWords()
{
    val words = val::object();
    words.set("ended", text(endedNotice));
    words.set("close", text(closeMessageCaption));
    return words;
}

} // namespace

val windowLayout()
{
    val layout = val::object();
    layout.set("width", content::windowWidth);
    layout.set("height", content::windowHeight);
    layout.set("caption", text(content::windowCaption));
    layout.set("startAcceleration", content::startAcceleration);
    val buttons = val::array();
    for (const content::ControlEntry& entry : content::graphButtons) {
        buttons.call<void>("push", control(entry));
    }
    layout.set("graphButtons", buttons);
    layout.set("command5", control(content::command5));
    layout.set("label17", control(content::label17));
    layout.set("text1", control(content::text1));
    layout.set("command6", control(content::command6));
    layout.set("panelWidth", plot::panelWidth);
    layout.set("panelHeight", plot::panelHeight);
    layout.set("panelTabOrder", numbers(content::panelTabOrder));
    layout.set("firstPanel", plot::graphForButton(plot::GraphButton::Command1).panel);
    layout.set("panelOfButton", panelOfButton());
    layout.set("markerShapes", markerShapeNumbers());
    layout.set("panelNames", panelNames());
    layout.set("buttonFace", hexColour(content::buttonFace));
    layout.set("bevelLight", hexColour(content::white));
    layout.set("bevelDark", hexColour(content::black));
    layout.set("bevelShadow", hexColour(content::gridGrey));
    layout.set("textBoxBackground", hexColour(content::white));
    layout.set("pageWords", pageWords());
    return layout;
}

val panelScene(int panel, double scale)
{
    const content::PanelContents& contents = content::panelContents(panel);
    val lines = val::array();
    for (const content::LineEntry& line : contents.lines) {
        lines.call<void>("push", filled({content::linePixels(line, scale)}, line.colour));
    }
    val labels = val::array();
    for (const content::LabelEntry& entry : contents.labels) {
        labels.call<void>("push", label(entry));
    }
    val bands = val::array();
    for (const content::ShapeEntry& shape : contents.shapes) {
        if (shape.kind == content::ShapeKind::Band) {
            bands.call<void>("push", masked(shape, static_cast<float>(shape.top),
                                            static_cast<float>(shape.height), scale));
        }
    }
    val scene = val::object();
    scene.set("background", colourName(content::PanelColour::WindowBackground));
    scene.set("textColour", colourName(content::PanelColour::WindowText));
    scene.set("curveColour", colourName(content::PanelColour::Black));
    scene.set("lines", lines);
    scene.set("labels", labels);
    scene.set("bands", bands);
    scene.set("labelTextMiddle", content::labelTextMiddle);
    return scene;
}

val markerStart(int panel, int shape)
{
    const content::ShapeEntry& entry = shapeEntry(panel, shape);
    val start = val::object();
    start.set("left", entry.left);
    start.set("top", entry.top);
    start.set("height", entry.height);
    return start;
}

bool isBar(int shape)
{
    return shapeEntry(0, shape).kind == content::ShapeKind::Bar;
}

val barPixels(int panel, int shape, float top, float height, double scale)
{
    return masked(shapeEntry(panel, shape), top, height, scale);
}

val dotPixels(float left, float top, double scale)
{
    const content::ShapeEntry& dot = shapeEntry(0, static_cast<int>(winsys::Shape::Shape3));
    return filled(content::dotPixels(left, top, scale), dot.colour);
}

val focusMarkPixels(double scale)
{
    const int right = plot::panelWidth - 1;
    const int bottom = plot::panelHeight - 1;
    std::vector<content::PixelRect> dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0) {
            dots.push_back(content::deviceRect(x, y, x + 1, y + 1, scale));
        }
    };
    for (int x = 0; x <= right; ++x) {
        dot(x, 0);
        dot(x, bottom);
    }
    for (int y = 1; y < bottom; ++y) {
        dot(0, y);
        dot(right, y);
    }
    return filled(dots, content::PanelColour::WindowText);
}

} // namespace web
