// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the web page calls in the core: the conversion of the typed text, the plot run and the
// reset, acting through a window system the page implements in JavaScript.

#include "javascript_window_system.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "plot/reset.h"
#include "winsys/runtime_error.h"
#include "winsys/text_to_int16.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace web {
namespace {

using emscripten::val;

// The acceleration the text converts to, or null.
val textToAcceleration(const std::string& text)
{
    const std::optional<std::int16_t> converted = winsys::textToInt16(text);
    return converted ? val(static_cast<int>(*converted)) : val::null();
}

const plot::Graph& graphOfButton(int button)
{
    if (button < 0 || button >= static_cast<int>(plot::graphCatalogue.size())) {
        throw std::out_of_range("graph button outside 0 to 3");
    }
    return plot::graphForButton(static_cast<plot::GraphButton>(button));
}

// The plot run of graph button 0 to 3 (Command1 to Command4): {lastColumn} after a run that
// drew, {overflow: true} after one that ended in its first pass.
val plotRun(int button, std::int16_t acceleration, winsys::WindowSystem& windows)
{
    val outcome = val::object();
    try {
        const plot::RunResult run = plot::plotRun(graphOfButton(button), acceleration, windows);
        outcome.set("lastColumn", run.lastColumn);
        outcome.set("overflow", false);
    } catch (const winsys::RuntimeError&) {
        outcome.set("overflow", true);
    }
    return outcome;
}

// The index of the panel reset, or null when none was shown.
val resetVisiblePanel(winsys::WindowSystem& windows)
{
    const std::optional<int> reset = plot::resetVisiblePanel(windows);
    return reset ? val(*reset) : val::null();
}

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(page_core)
{
    emscripten::class_<winsys::WindowSystem>("WindowSystem")
        .allow_subclass<web::JavaScriptWindowSystem>("JavaScriptWindowSystem");
    emscripten::function("textToAcceleration", &web::textToAcceleration);
    emscripten::function("plotRun", &web::plotRun);
    emscripten::function("resetVisiblePanel", &web::resetVisiblePanel);
}
