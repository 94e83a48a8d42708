// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/panel_line.h"

#include "content/pixel_geometry.h"
#include "panels/colours.h"
#include "panels/device_pixel_painter.h"
#include "panels/qt_text.h"

namespace panels {

PanelLine::PanelLine(const content::LineEntry& entry, QObject* parent)
    : QObject(parent), m_entry(entry)
{
    setObjectName(fromUtf8(entry.name));
}

QRect PanelLine::area() const
{
    const content::PixelRect area = content::lineArea(m_entry);
    return {area.left, area.top, area.width, area.height};
}

void PanelLine::paint(DevicePixelPainter& painter, const QPalette& palette) const
{
    painter.fill(content::linePixels(m_entry, painter.scale()),
                 resolveColour(m_entry.colour, palette));
}

} // namespace panels
