// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QPalette;

namespace panels {

// Every fixed colour of the window, as RGB. The desktop decides the others; they come from the
// palette through resolveColour.
inline constexpr QRgb black = qRgb(0, 0, 0);          // curve, dots, button bevel
inline constexpr QRgb white = qRgb(255, 255, 255);    // Text1's background, button bevel
inline constexpr QRgb gridGrey = qRgb(128, 128, 128); // outer grid lines, button shadow
inline constexpr QRgb bandGrey = qRgb(192, 192, 192); // interval bands
inline constexpr QRgb barBlue = qRgb(128, 128, 255);  // increment bars
// The increment bars' outline, a dark blue. ANDed onto white, the grey grid lines and the bands
// (every channel 128 or more) it keeps this tone, so a bar's edge stands out at more than 3 : 1
// even on a washed-out projector; the black curve and axes stay black.
inline constexpr QRgb barOutline = qRgb(0, 0, 128);
inline constexpr QRgb buttonFace = qRgb(255, 255, 128); // the six buttons, a light yellow

// The colours a panel uses: the first three are the desktop's, the others fixed.
enum class PanelColour {
    WindowBackground, // the panel surface and label backgrounds
    WindowText,       // axes and label text
    Workspace,        // vertical and middle horizontal grid lines: a mid grey
    GridGrey,         // the outer horizontal grid lines
    BandGrey,         // the interval bands
    BarBlue,          // the increment bars
    BarOutline,       // the increment bars' outline
    Black,            // the marker dots and the drawn curve
};

QColor resolveColour(PanelColour colour, const QPalette& palette);

} // namespace panels
