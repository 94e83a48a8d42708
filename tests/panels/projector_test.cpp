// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_board.h"

#include "panel_render.h"
#include "panels/graph_panel.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

using panels::GraphPanel;

// A washed-out projector: every channel pulled halfway towards mid grey.
QColor washedOut(const QColor& colour)
{
    const auto halve = [](int channel) { return 128 + (channel - 128) / 2; };
    return QColor(halve(colour.red()), halve(colour.green()), halve(colour.blue()));
}

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The s-graph with a = 20, rendered, then washed out: the curve, the dots and the bars must
// still stand apart from what lies around them.
TEST(ProjectorTest, CurveDotsAndBarsStayDistinguishableAtHalfContrast)
{
    QWidget window;
    panels::PanelBoard board(&window);
    plot::plotRun(plot::graphForButton(plot::GraphButton::Command1), 20, board);
    const QImage image = panels::testing::renderPanel(board.panel(3));
    const auto at = [&](int x, int y) { return washedOut(image.pixelColor(x, y)); };

    const QColor background = at(150, 250);
    const QColor bar = at(150, 288);            // Shape7, rows 280 to 295
    const QColor barEdge = at(150, 280);        // its outline, on its first row
    const QColor barEdgeOverBand = at(44, 280); // the same row under the first band
    const QColor bandOverBar = at(44, 290);
    const QColor band = at(44, 250);
    const QColor curve = at(80, 232);      // the curve crosses the grid line at t = 0.1
    const QColor dot = at(102, 152);       // Shape5, centred on (104, 152), inside Shape8
    const QColor secondBar = at(150, 100); // Shape8, rows 40 to 151

    struct Pair
    {
        const char* name;
        QColor first;
        QColor second;
        double least;
    };
    // Curve, dots and the bars' edges carry the reading: 3 : 1 (the usual least contrast for
    // graphical objects) on the plain surface and the band, 2.5 : 1 where curve or dot cross a
    // bar or its edge meets the bar's fill. Fills of bars and bands are large areas; they must
    // still show, at 1.3 : 1.
    const Pair pairs[] = {
        {"curve on the background", curve, background, 3.0},
        {"curve on the bar", at(56, 280), bar, 2.5},
        {"dot on the bar", dot, secondBar, 2.5},
        {"bar edge on the background", barEdge, background, 3.0},
        {"bar edge on the band", barEdgeOverBand, band, 3.0},
        {"bar edge on the bar's fill", barEdge, bar, 2.5},
        {"bar on the background", bar, background, 1.3},
        {"band on the background", band, background, 1.3},
        {"bar under a band on the band", bandOverBar, band, 1.3},
    };
    for (const Pair& pair : pairs) {
        const double ratio = contrast(pair.first, pair.second);
        std::printf("washed out: %-32s %.2f : 1\n", pair.name, ratio);
        EXPECT_GE(ratio, pair.least) << pair.name;
    }
}

} // namespace
