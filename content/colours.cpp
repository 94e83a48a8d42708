// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/colours.h"

namespace content {

std::optional<Rgb> fixedRgb(PanelColour colour)
{
    switch (colour) {
    case PanelColour::WindowBackground:
    case PanelColour::WindowText:
    case PanelColour::Workspace:
        return std::nullopt;
    case PanelColour::GridGrey:
        return gridGrey;
    case PanelColour::BandGrey:
        return bandGrey;
    case PanelColour::BarBlue:
        return barBlue;
    case PanelColour::BarOutline:
        return barOutline;
    case PanelColour::Black:
        return black;
    }
    return std::nullopt;
}

} // namespace content
