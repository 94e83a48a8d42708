// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/graph_panel.h"

#include "content/panel_contents.h"
#include "content/summary.h"
#include "panels/accessible_role.h"
#include "panels/announcer.h"
#include "panels/colours.h"
#include "panels/device_pixel_painter.h"
#include "panels/focus_mark.h"
#include "panels/panel_label.h"
#include "panels/panel_line.h"
#include "panels/panel_shape.h"
#include "panels/qt_text.h"
#include "plot/graph_catalogue.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace panels {

GraphPanel::GraphPanel(int index, QWidget* parent)
    : QWidget(parent), m_index(index), m_curves(QSize(plot::panelWidth, plot::panelHeight), 1.0)
{
    setAccessibleRole("panels::GraphPanel", QAccessible::Chart);
    setObjectName(QStringLiteral("Picture1"));
    setProperty("index", index);
    setFixedSize(plot::panelWidth, plot::panelHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    createControls();
}

void GraphPanel::createControls()
{
    const content::PanelContents& contents = content::panelContents(m_index);
    for (const content::LineEntry& entry : contents.lines) {
        m_lines.push_back(new PanelLine(entry, this));
    }
    for (const content::LabelEntry& entry : contents.labels) {
        m_labels.push_back(new PanelLabel(entry, this));
    }
    std::size_t markerCount = 0;
    for (const content::ShapeEntry& entry : contents.shapes) {
        auto* shape = new PanelShape(entry, this);
        if (entry.kind == content::ShapeKind::Band) {
            m_bands.push_back(shape);
        } else {
            m_markers.at(markerCount++) = shape;
            connect(shape, &PanelShape::areaChanged, this,
                    [this](const QRect& area) { update(area); });
        }
    }
    setAccessibleName(fromUtf8(content::spokenPanelName(plot::graphForPanel(m_index))));
    m_announcer = new Announcer(this);
}

void GraphPanel::setShown(bool visible)
{
    if (visible && !m_shown) {
        m_curves.clear();
        m_drawnAccelerations.clear();
    }
    if (!visible) {
        // Else it would appear again with the panel, and be spoken again.
        m_announcer->hide();
    }
    m_shown = visible;
    setVisible(visible);
}

PanelShape* GraphPanel::shape(winsys::Shape name) const
{
    return m_markers.at(winsys::markerIndex(name));
}

void GraphPanel::drawSegment(float x1, float y1, float x2, float y2)
{
    ensureLayers();
    update(m_curves.drawSegment(x1, y1, x2, y2));
}

void GraphPanel::clearCurves()
{
    m_drawnAccelerations.clear();
    if (hasCurves()) {
        m_curves.clear();
        update();
    }
}

void GraphPanel::addDrawnAcceleration(std::int16_t acceleration)
{
    if (std::find(m_drawnAccelerations.begin(), m_drawnAccelerations.end(), acceleration) ==
        m_drawnAccelerations.end()) {
        m_drawnAccelerations.push_back(acceleration);
    }
}

void GraphPanel::ensureLayers()
{
    const qreal scale = devicePixelRatioF();
    m_curves.setScale(scale);
    if (!m_curves.hasBackground()) {
        m_curves.setBackground(renderStaticDiagram(scale));
    }
}

void GraphPanel::setSummary(const content::Summary& summary, bool announce)
{
    setToolTip(fromUtf8(summary.written));
    setAccessibleDescription(
        fromUtf8(content::panelDescription(plot::graphForPanel(m_index), summary.spoken)));
    if (announce) {
        m_announcer->announce(fromUtf8(summary.spoken));
    }
}

QImage GraphPanel::renderStaticDiagram(qreal scale) const
{
    QImage diagram(size() * scale, QImage::Format_RGB32);
    diagram.setDevicePixelRatio(scale);
    QPainter painter(&diagram);
    painter.fillRect(rect(), resolveColour(content::PanelColour::WindowBackground, palette()));
    {
        DevicePixelPainter pixels(painter, scale);
        for (const PanelLine* line : m_lines) {
            line->paint(pixels, palette());
        }
    }
    for (const PanelLabel* label : m_labels) {
        label->paint(painter, palette(), font());
    }
    DevicePixelPainter pixels(painter, scale);
    for (const PanelShape* band : m_bands) {
        band->paint(pixels, palette());
    }
    return diagram;
}

void GraphPanel::paintMarkers(DevicePixelPainter& pixels) const
{
    for (const content::ShapeKind kind : {content::ShapeKind::Bar, content::ShapeKind::Dot}) {
        for (const PanelShape* marker : m_markers) {
            if (marker->kind() == kind) {
                marker->paint(pixels, palette());
            }
        }
    }
}

void GraphPanel::paintEvent(QPaintEvent* event)
{
    ensureLayers();
    QPainter painter(this);
    // One rectangle at a time: under a clip of many rectangles Qt blends the picture row by
    // row and hands tall areas to its thread pool, which costs more than the copy itself.
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        painter.drawImage(QPoint(0, 0), m_curves.picture());
    }
    painter.setClipRegion(event->region());
    DevicePixelPainter pixels(painter, m_curves.scale());
    paintMarkers(pixels);
    if (hasFocus()) {
        paintFocusMark(painter, size(), resolveColour(content::PanelColour::WindowText, palette()));
    }
}

void GraphPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        m_curves.setBackground(renderStaticDiagram(m_curves.scale()));
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace panels
