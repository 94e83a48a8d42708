// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_shape.h"

#include "content/pixel_geometry.h"
#include "panels/colours.h"
#include "panels/device_pixel_painter.h"
#include "panels/qt_text.h"

#include <QPalette>

namespace panels {

PanelShape::PanelShape(const content::ShapeEntry& entry, QObject* parent)
    : QObject(parent), m_entry(entry), m_left(static_cast<float>(entry.left)),
      m_top(static_cast<float>(entry.top)), m_height(static_cast<float>(entry.height))
{
    setObjectName(fromUtf8(entry.name));
}

void PanelShape::setShown(bool visible)
{
    if (visible != m_visible) {
        m_visible = visible;
        emit areaChanged(area());
    }
}

void PanelShape::change(float& field, float value)
{
    if (field == value) {
        return;
    }
    const QRect before = area();
    field = value;
    if (m_visible) {
        emit areaChanged(before.united(area()));
    }
}

void PanelShape::setLeft(float left)
{
    change(m_left, left);
}

void PanelShape::setTop(float top)
{
    change(m_top, top);
}

void PanelShape::setHeight(float height)
{
    change(m_height, height);
}

QRect PanelShape::area() const
{
    const auto [left, right] = content::shapeSpan(m_left, static_cast<float>(m_entry.width));
    const auto [top, bottom] = content::shapeSpan(m_top, m_height);
    return QRect(QPoint(left, top), QPoint(right, bottom)).normalized();
}

void PanelShape::paint(DevicePixelPainter& painter, const QPalette& palette) const
{
    if (!m_visible) {
        return;
    }
    const QColor colour = resolveColour(m_entry.colour, palette);
    if (m_entry.kind == content::ShapeKind::Dot) {
        for (const content::PixelRect& row : content::dotPixels(m_left, m_top, painter.scale())) {
            painter.fill(row, colour);
        }
        return;
    }
    const content::MaskedPixels pixels = content::maskedPixels(
        m_left, m_top, m_entry.width, m_height, m_entry.outline.has_value(), painter.scale());
    if (m_entry.outline) {
        const QColor outline = resolveColour(*m_entry.outline, palette);
        for (const content::PixelRect& edge : pixels.outline) {
            painter.mask(edge, outline);
        }
    }
    if (!pixels.fill.isEmpty()) {
        painter.mask(pixels.fill, colour);
    }
}

} // namespace panels
