// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/curve_layer.h"
#include "plot/diagram_geometry.h"
#include "winsys/window_system.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

namespace content {
struct Summary;
}

namespace panels {

class Announcer;
class DevicePixelPainter;
class PanelLabel;
class PanelLine;
class PanelShape;

// One graph panel, Picture1(index): a coordinate diagram of 233 x 333 logical pixels with its
// static lines, labels and bands, its four marker dots and two increment bars, and a curve
// layer. Painting blits one picture of the static diagram with the curves on it, then the bars
// and dots, so its cost does not grow with the number of curves drawn.
class GraphPanel : public QWidget
{
    Q_OBJECT
public:
    explicit GraphPanel(int index, QWidget* parent = nullptr);

    // The panel's Visible flag. Showing a hidden panel brings it back without its earlier
    // curves; repaints of a shown panel keep them.
    void setShown(bool visible);
    bool isShown() const { return m_shown; }

    PanelShape* shape(winsys::Shape name) const;
    void drawSegment(float x1, float y1, float x2, float y2);
    // Erases the curves; dots, bars and everything static keep their state.
    void clearCurves();
    bool hasCurves() const { return !m_curves.isEmpty(); }

    int index() const { return m_index; }
    // The accelerations whose plot runs drew the curves on the panel, each once, in the order
    // first drawn; told by whoever runs them, forgotten with the curves. A curve is a function
    // of its graph and acceleration alone, so these redraw the panel's curves at any scale.
    void addDrawnAcceleration(std::int16_t acceleration);
    const std::vector<std::int16_t>& drawnAccelerations() const { return m_drawnAccelerations; }

    // The static diagram alone (surface, lines, labels, bands), at scale device pixels per
    // logical pixel.
    QImage renderStaticDiagram(qreal scale) const;
    // The bars, which mask what lies beneath, the curves included, then the dots over
    // everything.
    void paintMarkers(DevicePixelPainter& pixels) const;

    // What the panel shows, in words: the written summary is its tooltip, the spoken one,
    // followed by the formula in words, its accessible description. With announce a screen
    // reader also speaks the spoken form at once, wherever the focus is.
    void setSummary(const content::Summary& summary, bool announce);

    QSize sizeHint() const override { return {plot::panelWidth, plot::panelHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    // Brings the layers to the current device pixel ratio, drawing the static diagram anew
    // when needed.
    void ensureLayers();

    int m_index;
    bool m_shown = true;
    std::vector<PanelLine*> m_lines;
    std::vector<PanelLabel*> m_labels;
    std::vector<PanelShape*> m_bands;
    std::array<PanelShape*, 6> m_markers{}; // Shape3 .. Shape8
    CurveLayer m_curves;
    Announcer* m_announcer = nullptr;
    std::vector<std::int16_t> m_drawnAccelerations;
};

} // namespace panels
