// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/worksheet_copy.h"

#include "content/curve_pen.h"
#include "content/messages.h"
#include "panels/arial_font.h"
#include "panels/colours.h"
#include "panels/curve_layer.h"
#include "panels/device_pixel_painter.h"
#include "panels/graph_panel.h"
#include "panels/qt_text.h"
#include "plot/diagram_geometry.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/ignoring_window_system.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace panels {

namespace {

using plot::panelHeight;
using plot::panelWidth;

constexpr int legendLeft = 16; // the formula label's left edge
constexpr int legendRight = 8;
constexpr int legendFlags = Qt::AlignLeft | Qt::TextWordWrap;
constexpr int dotsPerMetre = 7559; // 192 dots per inch

// Draws the segments that plot runs issue for one panel onto a raster; whatever else a run
// does (showing panels, placing dots and bars) is left to the panel itself.
class CurveRecorder : public winsys::IgnoringWindowSystem
{
public:
    CurveRecorder(int panel, QImage& raster)
        : m_panel(panel), m_raster(&raster), m_pen(panelWidth, panelHeight, worksheetScale)
    {}

    void drawSegment(int panel, float x1, float y1, float x2, float y2) override
    {
        if (panel == m_panel) {
            m_pixels.clear();
            m_pen.draw(x1, y1, x2, y2, m_pixels);
            blacken(*m_raster, m_pixels);
        }
    }

private:
    int m_panel;
    QImage* m_raster;
    content::CurvePen m_pen;
    std::vector<content::PixelRect> m_pixels;
};

// Each of the panel's accelerations ran to its end once already, and a run depends on graph
// and acceleration alone, so none of them overflows now.
void drawCurves(QImage& raster, const GraphPanel& panel)
{
    CurveRecorder recorder(panel.index(), raster);
    const plot::Graph& graph = plot::graphForPanel(panel.index());
    for (const std::int16_t acceleration : panel.drawnAccelerations()) {
        plot::plotRun(graph, acceleration, recorder);
    }
}

// Logical rows of the legend strip: worksheetLegendLineHeight for each line the text needs.
int legendStripHeight(const QString& legend, const QFont& font)
{
    const QFontMetricsF metrics(font);
    const QRectF room(0, 0, panelWidth - legendLeft - legendRight, panelHeight);
    const qreal textHeight = metrics.boundingRect(room, legendFlags, legend).height();
    const int lines = std::max(1, qRound(textHeight / metrics.lineSpacing()));
    return lines * worksheetLegendLineHeight;
}

} // namespace

QImage worksheetCopy(const GraphPanel& panel)
{
    const QString legend = fromUtf8(content::accelerationLegend(panel.drawnAccelerations()));
    const QFont font = arialFont(16);
    const int stripHeight = legendStripHeight(legend, font);
    // Rows beyond the diagram come out of copy() as zeros; the strip is painted over them, and
    // over whatever of the curves, dots and bars reaches below the diagram.
    QImage copy = panel.renderStaticDiagram(worksheetScale)
                      .copy(QRect(0, 0, panelWidth * worksheetScale,
                                  (panelHeight + stripHeight) * worksheetScale));
    copy.setDevicePixelRatio(worksheetScale);
    drawCurves(copy, panel);
    {
        QPainter painter(&copy);
        {
            // It paints in device pixels until it is destroyed.
            DevicePixelPainter pixels(painter, worksheetScale);
            panel.paintMarkers(pixels);
        }
        const QRect strip(0, panelHeight, panelWidth, stripHeight);
        painter.fillRect(strip,
                         resolveColour(content::PanelColour::WindowBackground, panel.palette()));
        painter.setFont(font);
        painter.setPen(resolveColour(content::PanelColour::WindowText, panel.palette()));
        painter.drawText(strip.adjusted(legendLeft, 0, -legendRight, 0),
                         legendFlags | Qt::AlignVCenter, legend);
    }
    copy.setDevicePixelRatio(1.0);
    copy.setDotsPerMeterX(dotsPerMetre);
    copy.setDotsPerMeterY(dotsPerMetre);
    return copy;
}

} // namespace panels
