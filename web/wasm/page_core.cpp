// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the web page calls in the core (web/src/page_core.d.ts): the window's layout and the
// panels' content with their device pixels, the conversion of the typed text, the plot run and
// the reset acting through a window system the page implements in JavaScript, and the words
// that go with them.

#include "content/curve_pen.h"
#include "content/messages.h"
#include "content/summary.h"
#include "javascript_window_system.h"
#include "page_layout.h"
#include "page_scene.h"
#include "plot/diagram_geometry.h"
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
#include <vector>

namespace web {
namespace {

using emscripten::val;

const plot::Graph& graphOfButton(int button)
{
    if (button < 0 || button >= static_cast<int>(plot::graphCatalogue.size())) {
        throw std::out_of_range("graph button outside 0 to 3");
    }
    return plot::graphForButton(static_cast<plot::GraphButton>(button));
}

val summary(const plot::Graph& graph, const content::Summary& said)
{
    val object = val::object();
    object.set("written", said.written);
    object.set("spoken", said.spoken);
    object.set("description", content::panelDescription(graph, said.spoken));
    return object;
}

// The acceleration the text converts to, or null.
val textToAcceleration(const std::string& text)
{
    const std::optional<std::int16_t> converted = winsys::textToInt16(text);
    return converted ? val(static_cast<int>(*converted)) : val::null();
}

std::string rejectedTextMessage(const std::string& text, std::int16_t keptAcceleration)
{
    return content::rejectedTextMessage(text, keptAcceleration);
}

// The plot run of graph button 0 to 3 (Command1 to Command4): the summary of what it drew, or
// after an overflow, which ends the run in its first pass, that summary and the message.
val plotRun(int button, std::int16_t acceleration, winsys::WindowSystem& windows)
{
    const plot::Graph& graph = graphOfButton(button);
    val outcome = val::object();
    try {
        const plot::RunResult run = plot::plotRun(graph, acceleration, windows);
        outcome.set("summary", summary(graph, content::runSummary(graph, acceleration, run)));
    } catch (const winsys::RuntimeError&) {
        outcome.set("summary", summary(graph, content::overflowSummary(graph, acceleration)));
        outcome.set("message", content::overflowMessage(graph, acceleration));
    }
    return outcome;
}

val nothingDrawnSummary(int panel)
{
    return summary(plot::graphForPanel(panel), content::nothingDrawnSummary());
}

// The panel reset with its summary, or null when no panel was shown.
val resetVisiblePanel(winsys::WindowSystem& windows)
{
    const std::optional<int> reset = plot::resetVisiblePanel(windows);
    if (!reset) {
        return val::null();
    }
    val outcome = val::object();
    outcome.set("panel", *reset);
    outcome.set("summary", nothingDrawnSummary(*reset));
    return outcome;
}

// The curve pen of a panel at a device scale; draw() hands out the device pixels of a segment
// as runs, left, top, width, height, left, …
class PagePen
{
public:
    explicit PagePen(double scale) : m_pen(plot::panelWidth, plot::panelHeight, scale) {}

    val draw(float x1, float y1, float x2, float y2)
    {
        m_pixels.clear();
        m_pen.draw(x1, y1, x2, y2, m_pixels);
        m_runs.clear();
        for (const content::PixelRect& run : m_pixels) {
            m_runs.insert(m_runs.end(), {run.left, run.top, run.width, run.height});
        }
        // A copy: the view into wasm memory would not outlive the next allocation.
        return val(emscripten::typed_memory_view(m_runs.size(), m_runs.data())).call<val>("slice");
    }

    void lift() { m_pen.lift(); }

private:
    content::CurvePen m_pen;
    std::vector<content::PixelRect> m_pixels;
    std::vector<int> m_runs;
};

} // namespace
} // namespace web

EMSCRIPTEN_BINDINGS(page_core)
{
    using namespace emscripten;
    class_<winsys::WindowSystem>("WindowSystem")
        .allow_subclass<web::JavaScriptWindowSystem>("JavaScriptWindowSystem");
    class_<web::PagePen>("CurvePen")
        .constructor<double>()
        .function("draw", &web::PagePen::draw)
        .function("lift", &web::PagePen::lift);
    function("windowLayout", &web::windowLayout);
    function("panelScene", &web::panelScene);
    function("markerStart", &web::markerStart);
    function("isBar", &web::isBar);
    function("barPixels", &web::barPixels);
    function("dotPixels", &web::dotPixels);
    function("focusMarkPixels", &web::focusMarkPixels);
    function("textToAcceleration", &web::textToAcceleration);
    function("rejectedTextMessage", &web::rejectedTextMessage);
    function("plotRun", &web::plotRun);
    function("resetVisiblePanel", &web::resetVisiblePanel);
    function("nothingDrawnSummary", &web::nothingDrawnSummary);
}
