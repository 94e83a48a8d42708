#pragma once

#include <QColor>

class QPalette;

namespace panels {

// The colours a panel uses: the first three are the desktop's and come from the palette,
// the others are fixed.
enum class PanelColour {
    WindowBackground, // the panel surface and label backgrounds
    WindowText,       // axes and label text
    Workspace,        // vertical and middle horizontal grid lines: a mid grey
    GridGrey,         // the outer horizontal grid lines
    BandGrey,         // the interval bands
    BarBlue,          // the increment bars
    Black,            // the marker dots and the drawn curve
};

QColor resolveColour(PanelColour colour, const QPalette& palette);

} // namespace panels
