#include "panels/panel_controls.h"

#include "panels/arial_font.h"
#include "panels/device_pixel_painter.h"
#include "panels/pixel_geometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace panels {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

int measureHalfCapHeight(const QFont& font)
{
    return (QFontMetrics(font).capHeight() + 1) / 2;
}

// Measuring the capitals is slow, so the two fixed fonts are measured once.
int halfCapHeight(LabelFont kind, const QFont& font)
{
    switch (kind) {
    case LabelFont::Tick: {
        static const int tick = measureHalfCapHeight(font);
        return tick;
    }
    case LabelFont::Caption: {
        static const int caption = measureHalfCapHeight(font);
        return caption;
    }
    case LabelFont::Default:
        break;
    }
    return measureHalfCapHeight(font);
}

} // namespace

// Kept for the whole run: a font object caches the engine it resolved to, so every label
// shares one lookup.
const QFont& tickFont()
{
    static const QFont font = arialFont(11);
    return font;
}

const QFont& captionFont()
{
    static const QFont font = arialFont(16, QFont::Bold);
    return font;
}

PanelLine::PanelLine(const LineEntry& entry, QObject* parent) : QObject(parent), m_entry(entry)
{
    setObjectName(fromUtf8(entry.name));
}

QRect PanelLine::area() const
{
    const int before = m_entry.width / 2;
    const bool horizontal = m_entry.y1 == m_entry.y2;
    const int left = std::min(m_entry.x1, m_entry.x2) - (horizontal ? 0 : before);
    const int top = std::min(m_entry.y1, m_entry.y2) - (horizontal ? before : 0);
    const int right =
        std::max(m_entry.x1, m_entry.x2) + (horizontal ? 0 : m_entry.width - 1 - before);
    const int bottom =
        std::max(m_entry.y1, m_entry.y2) + (horizontal ? m_entry.width - 1 - before : 0);
    return {QPoint(left, top), QPoint(right, bottom)};
}

void PanelLine::paint(DevicePixelPainter& painter, const QPalette& palette) const
{
    const QRect pixels = area();
    painter.fill(
        painter.deviceRect(pixels.left(), pixels.top(), pixels.right() + 1, pixels.bottom() + 1),
        resolveColour(m_entry.colour, palette));
}

PanelLabel::PanelLabel(const LabelEntry& entry, QObject* parent) : QObject(parent), m_entry(entry)
{
    setObjectName(fromUtf8(entry.name));
}

QString PanelLabel::text() const
{
    return fromUtf8(m_entry.text);
}

QRect PanelLabel::area() const
{
    return {m_entry.left, m_entry.top, m_entry.width, m_entry.height};
}

void PanelLabel::paint(QPainter& painter, const QPalette& palette, const QFont& defaultFont) const
{
    const QFont& font = m_entry.font == LabelFont::Tick      ? tickFont()
                        : m_entry.font == LabelFont::Caption ? captionFont()
                                                             : defaultFont;
    painter.fillRect(area(), resolveColour(PanelColour::WindowBackground, palette));
    painter.setFont(font);
    painter.setPen(resolveColour(PanelColour::WindowText, palette));
    const int baseline = m_entry.top + 8 + halfCapHeight(m_entry.font, font);
    painter.drawText(QPoint(m_entry.left, baseline), text());
}

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
    if (bottom > top) {
        painter.mask(painter.deviceRect(left, top, right, bottom), colour);
    }
}

} // namespace panels
