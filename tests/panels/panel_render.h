#pragma once

#include "panels/colours.h"
#include "panels/graph_panel.h"
#include "panels/panel_shape.h"

#include <QColor>
#include <QImage>
#include <QPalette>

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

inline QColor colourOf(PanelColour colour)
{
    return resolveColour(colour, QPalette());
}

// What mask mode gives: the channel-wise AND of two colours.
inline QColor masked(const QColor& a, const QColor& b)
{
    return QColor(a.red() & b.red(), a.green() & b.green(), a.blue() & b.blue());
}

} // namespace panels::testing
