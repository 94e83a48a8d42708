// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/colours.h"
#include "panels/graph_panel.h"
#include "panels/panel_board.h"
#include "panels/panel_shape.h"
#include "plot/graph_catalogue.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>

namespace panels::testing {

// The panel as it paints, at its device pixel ratio.
inline QImage renderPanel(GraphPanel& panel)
{
    const qreal scale = panel.devicePixelRatioF();
    QImage image(panel.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::magenta);
    panel.render(&image);
    return image;
}

inline void hideMarkers(GraphPanel& panel)
{
    for (winsys::Shape marker : winsys::markerShapes) {
        panel.shape(marker)->setShown(false);
    }
}

inline QColor colourOf(content::PanelColour colour)
{
    return resolveColour(colour, QPalette());
}

// What mask mode gives: the channel-wise AND of two colours.
inline QColor masked(const QColor& a, const QColor& b)
{
    return QColor(a.red() & b.red(), a.green() & b.green(), a.blue() & b.blue());
}

// The four panels on their board, driven as the window drives them.
struct PanelSet
{
    QWidget window;
    PanelBoard board{&window};

    // One plot run; false when it overflowed.
    bool run(const plot::Graph& graph, int acceleration)
    {
        return board.plot(graph, static_cast<std::int16_t>(acceleration));
    }
    bool run(plot::GraphButton button, int acceleration)
    {
        return run(plot::graphForButton(button), acceleration);
    }
    GraphPanel& panel(int index) const { return board.panel(index); }
};

} // namespace panels::testing
