// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/window_system.h"

#include <QImage>

#include <array>
#include <cstdint>

class QWidget;

namespace plot {
struct Graph;
}

namespace panels {

class GraphPanel;

// The four graph panels, Picture1(0) to Picture1(3), all at (0, 0) of the widget that owns
// them, and the one way to them: the window-system operations on them, and what a graph button
// and "zurücksetzen" do with them besides, the bookkeeping and what the panels say.
class PanelBoard : public winsys::WindowSystem
{
public:
    explicit PanelBoard(QWidget* parent);

    void setPanelVisible(int panel, bool visible) override;
    bool isPanelVisible(int panel) override;
    void setShapeVisible(winsys::Shape shape, int panel, bool visible) override;
    void setShapeTop(winsys::Shape shape, int panel, float top) override;
    void setShapeLeft(winsys::Shape shape, int panel, float left) override;
    void setShapeHeight(winsys::Shape shape, int panel, float height) override;
    void drawSegment(int panel, float x1, float y1, float x2, float y2) override;
    void clearPanel(int panel) override;

    // What the window shows first: the s-panel alone, empty and without its markers, and every
    // panel saying that nothing is drawn.
    void showFirstView();
    // A graph button's plot run. Afterwards the panel knows the acceleration of its curve and
    // says, and announces, the run's summary; when the run overflowed, that it drew nothing.
    // Returns false on overflow.
    bool plot(const plot::Graph& graph, std::int16_t acceleration);
    // "zurücksetzen": the first shown panel reset, saying that nothing is drawn.
    void reset();
    // The first shown panel drawn afresh at four times its size, for the clipboard; a null
    // image when no panel is shown.
    QImage worksheetCopyOfShownPanel();

    GraphPanel& panel(int index) const;
    // The same panel as a widget, for whoever lays out or chains the window's controls.
    QWidget* widget(int index) const;

private:
    std::array<GraphPanel*, winsys::panelCount> m_panels{};
};

} // namespace panels
