// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_layout.h"

#include "content/colours.h"
#include "content/summary.h"
#include "content/window_layout.h"
#include "page_values.h"
#include "page_words.h"
#include "plot/diagram_geometry.h"
#include "plot/graph_catalogue.h"
#include "winsys/window_system.h"

namespace web {

using emscripten::val;

namespace {

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
    return numbers(winsys::markerShapes);
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

} // namespace web
