// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_shape.h"

#include "panels/device_pixel_painter.h"
#include "panels/pixel_geometry.h"

#include <QPalette>

#include <algorithm>
#include <utility>

namespace panels {

namespace {

int roundToPixel(float value)
{
    return toDevicePixel(value, 1.0);
}

// Rows (or columns) [first, last) for a start and an extent that may be negative.
std::pair<int, int> span(float start, float extent)
{
    const int a = roundToPixel(start);
    const int b = roundToPixel(start + extent);
    return {std::min(a, b), std::max(a, b)};
}

// Masks the logical pixels [left, right) x [top, bottom): the first and last rows and columns
// with the outline colour, the pixels inside them with the fill, each pixel once.
void maskOutlined(DevicePixelPainter& painter, const QRect& logicalArea, const QColor& fill,
                  const QColor& outline)
{
    const auto maskArea = [&painter](int left, int top, int right, int bottom,
                                     const QColor& colour) {
        if (right > left && bottom > top) {
            painter.mask(painter.deviceRect(left, top, right, bottom), colour);
        }
    };
    const int left = logicalArea.left();
    const int top = logicalArea.top();
    const int right = left + logicalArea.width();
    const int bottom = top + logicalArea.height();
    const int innerLeft = left + 1;
    const int innerTop = top + 1;
    const int innerRight = std::max(right - 1, innerLeft);
    const int innerBottom = std::max(bottom - 1, innerTop);
    maskArea(left, top, right, innerTop, outline);
    maskArea(left, innerBottom, right, bottom, outline);
    maskArea(left, innerTop, innerLeft, innerBottom, outline);
    maskArea(innerRight, innerTop, right, innerBottom, outline);
    maskArea(innerLeft, innerTop, innerRight, innerBottom, fill);
}

} // namespace

PanelShape::PanelShape(const ShapeEntry& entry, QObject* parent)
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
    const auto [left, right] = span(m_left, static_cast<float>(m_entry.width));
    const auto [top, bottom] = span(m_top, m_height);
    return QRect(QPoint(left, top), QPoint(right, bottom)).normalized();
}

void PanelShape::paint(DevicePixelPainter& painter, const QPalette& palette) const
{
    if (!m_visible) {
        return;
    }
    const QColor colour = resolveColour(m_entry.colour, palette);
    if (m_entry.kind == ShapeKind::Dot) {
        // The disc fills the width of the 5 x 9 box and is centred in it.
        painter.disc(roundToPixel(m_left) + 2, roundToPixel(m_top) + 4, colour);
        return;
    }
    const auto [left, right] = span(m_left, static_cast<float>(m_entry.width));
    const auto [top, bottom] = span(m_top, m_height);
    if (bottom <= top) {
        return;
    }
    if (m_entry.outline) {
        maskOutlined(painter, QRect(left, top, right - left, bottom - top), colour,
                     resolveColour(*m_entry.outline, palette));
    } else {
        painter.mask(painter.deviceRect(left, top, right, bottom), colour);
    }
}

} // namespace panels
