// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_scene.h"

#include "content/panel_contents.h"
#include "content/pixel_geometry.h"
#include "page_values.h"
#include "plot/diagram_geometry.h"
#include "winsys/window_system.h"

#include <vector>

namespace web {

using emscripten::val;

namespace {

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

} // namespace

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
    std::vector<content::PixelRect> dots;
    for (const content::PixelRect& dot :
         content::focusMarkDots(plot::panelWidth, plot::panelHeight)) {
        dots.push_back(content::deviceRect(dot.left, dot.top, dot.left + dot.width,
                                           dot.top + dot.height, scale));
    }
    return filled(dots, content::PanelColour::WindowText);
}

} // namespace web
