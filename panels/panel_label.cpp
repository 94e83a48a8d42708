// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_label.h"

#include "panels/arial_font.h"
#include "panels/colours.h"
#include "panels/qt_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace panels {

namespace {

int measureHalfCapHeight(const QFont& font)
{
    return (QFontMetrics(font).capHeight() + 1) / 2;
}

// Measuring the capitals is slow, so the two fixed fonts are measured once.
int halfCapHeight(content::LabelFont kind, const QFont& font)
{
    switch (kind) {
    case content::LabelFont::Tick: {
        static const int tick = measureHalfCapHeight(font);
        return tick;
    }
    case content::LabelFont::Caption: {
        static const int caption = measureHalfCapHeight(font);
        return caption;
    }
    case content::LabelFont::Default:
        break;
    }
    return measureHalfCapHeight(font);
}

QFont labelFont(content::LabelFont kind)
{
    const content::FontSize size = content::labelFontSize(kind).value();
    return arialFont(size.pixels, size.bold ? QFont::Bold : QFont::Normal);
}

} // namespace

// Kept for the whole run: a font object caches the engine it resolved to, so every label
// shares one lookup.
const QFont& tickFont()
{
    static const QFont font = labelFont(content::LabelFont::Tick);
    return font;
}

const QFont& captionFont()
{
    static const QFont font = labelFont(content::LabelFont::Caption);
    return font;
}

PanelLabel::PanelLabel(const content::LabelEntry& entry, QObject* parent)
    : QObject(parent), m_entry(entry)
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
    using enum content::LabelFont;
    const QFont& font = m_entry.font == Tick      ? tickFont()
                        : m_entry.font == Caption ? captionFont()
                                                  : defaultFont;
    painter.fillRect(area(), resolveColour(content::PanelColour::WindowBackground, palette));
    painter.setFont(font);
    painter.setPen(resolveColour(content::PanelColour::WindowText, palette));
    const int baseline = m_entry.top + content::labelTextMiddle + halfCapHeight(m_entry.font, font);
    painter.drawText(QPoint(m_entry.left, baseline), text());
}

} // namespace panels
