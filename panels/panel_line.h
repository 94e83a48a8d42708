// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/panel_contents.h"

#include <QObject>
#include <QRect>

class QPalette;

namespace panels {

class DevicePixelPainter;

// A static line of a panel, found by its objectName ("Line3").
class PanelLine : public QObject
{
    Q_OBJECT
public:
    PanelLine(const content::LineEntry& entry, QObject* parent);
    // The pixels the line covers, in logical panel pixels.
    QRect area() const;
    void paint(DevicePixelPainter& painter, const QPalette& palette) const;

private:
    content::LineEntry m_entry;
};

} // namespace panels
