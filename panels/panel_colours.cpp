#include "panels/panel_colours.h"

#include <QPalette>

namespace panels {

namespace {

const QColor gridGrey(128, 128, 128);
const QColor bandGrey(192, 192, 192);
const QColor barBlue(128, 128, 255);

} // namespace

QColor resolveColour(PanelColour colour, const QPalette& palette)
{
    switch (colour) {
    case PanelColour::WindowBackground:
        return palette.color(QPalette::Base);
    case PanelColour::WindowText:
        return palette.color(QPalette::Text);
    case PanelColour::Workspace:
        return palette.color(QPalette::Mid);
    case PanelColour::GridGrey:
        return gridGrey;
    case PanelColour::BandGrey:
        return bandGrey;
    case PanelColour::BarBlue:
        return barBlue;
    case PanelColour::Black:
        return Qt::black;
    }
    return Qt::black;
}

} // namespace panels
