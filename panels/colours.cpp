// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/colours.h"

#include <QPalette>

namespace panels {

QColor resolveColour(content::PanelColour colour, const QPalette& palette)
{
    using enum content::PanelColour;
    if (const auto fixed = content::fixedRgb(colour)) {
        return toQColor(*fixed);
    }
    switch (colour) {
    case WindowBackground:
        return palette.color(QPalette::Base);
    case WindowText:
        return palette.color(QPalette::Text);
    default:
        return palette.color(QPalette::Mid); // the workspace grey
    }
}

} // namespace panels
