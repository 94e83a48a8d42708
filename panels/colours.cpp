// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/colours.h"

#include <QPalette>

namespace panels {

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
        return QColor(gridGrey);
    case PanelColour::BandGrey:
        return QColor(bandGrey);
    case PanelColour::BarBlue:
        return QColor(barBlue);
    case PanelColour::BarOutline:
        return QColor(barOutline);
    case PanelColour::Black:
        return QColor(black);
    }
    return QColor(black);
}

} // namespace panels
