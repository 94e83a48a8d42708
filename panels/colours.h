// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/colours.h"

#include <QColor>

class QPalette;

namespace panels {

inline QColor toQColor(content::Rgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

// A panel colour on this desktop: the fixed ones as they are, the desktop's from the palette.
QColor resolveColour(content::PanelColour colour, const QPalette& palette);

} // namespace panels
