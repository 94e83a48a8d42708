// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_board.h"

#include "content/summary.h"
#include "panels/graph_panel.h"
#include "panels/panel_shape.h"
#include "panels/worksheet_copy.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "plot/reset.h"
#include "winsys/runtime_error.h"

#include <stdexcept>

namespace panels {

namespace {

// The panel the learner sees first, until a graph button shows another.
constexpr int firstPanel = 3;

} // namespace

PanelBoard::PanelBoard(QWidget* parent)
{
    for (int index = 0; index < winsys::panelCount; ++index) {
        m_panels[static_cast<std::size_t>(index)] = new GraphPanel(index, parent);
    }
}

GraphPanel& PanelBoard::panel(int index) const
{
    if (index < 0 || index >= winsys::panelCount) {
        throw std::out_of_range("panel index outside 0 to 3");
    }
    return *m_panels[static_cast<std::size_t>(index)];
}

QWidget* PanelBoard::widget(int index) const
{
    return &panel(index);
}

void PanelBoard::setPanelVisible(int panel, bool visible)
{
    this->panel(panel).setShown(visible);
}

bool PanelBoard::isPanelVisible(int panel)
{
    return this->panel(panel).isShown();
}

void PanelBoard::setShapeVisible(winsys::Shape shape, int panel, bool visible)
{
    this->panel(panel).shape(shape)->setShown(visible);
}

void PanelBoard::setShapeTop(winsys::Shape shape, int panel, float top)
{
    this->panel(panel).shape(shape)->setTop(top);
}

void PanelBoard::setShapeLeft(winsys::Shape shape, int panel, float left)
{
    this->panel(panel).shape(shape)->setLeft(left);
}

void PanelBoard::setShapeHeight(winsys::Shape shape, int panel, float height)
{
    this->panel(panel).shape(shape)->setHeight(height);
}

void PanelBoard::drawSegment(int panel, float x1, float y1, float x2, float y2)
{
    this->panel(panel).drawSegment(x1, y1, x2, y2);
}

void PanelBoard::clearPanel(int panel)
{
    this->panel(panel).clearCurves();
}

void PanelBoard::showFirstView()
{
    for (int index = 0; index < winsys::panelCount; ++index) {
        setPanelVisible(index, index == firstPanel);
        for (winsys::Shape marker : winsys::markerShapes) {
            setShapeVisible(marker, index, false);
        }
        panel(index).setSummary(content::nothingDrawnSummary(), false);
    }
}

bool PanelBoard::plot(const plot::Graph& graph, std::int16_t acceleration)
{
    GraphPanel& drawnOn = panel(graph.panel);
    try {
        const plot::RunResult run = plot::plotRun(graph, acceleration, *this);
        drawnOn.addDrawnAcceleration(acceleration);
        drawnOn.setSummary(content::runSummary(graph, acceleration, run), true);
        return true;
    } catch (const winsys::RuntimeError&) {
        drawnOn.setSummary(content::overflowSummary(graph, acceleration), true);
        return false;
    }
}

void PanelBoard::reset()
{
    if (const auto reset = plot::resetVisiblePanel(*this)) {
        panel(*reset).setSummary(content::nothingDrawnSummary(), true);
    }
}

QImage PanelBoard::worksheetCopyOfShownPanel()
{
    const auto shown = plot::firstVisiblePanel(*this);
    return shown ? worksheetCopy(panel(*shown)) : QImage();
}

} // namespace panels
