// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace panels {

// Paints whole pixels of the paint device, so that rectangles and discs stay crisp at any
// device pixel ratio. Logical panel coordinates convert with toDevice(); while this object
// lives, the painter works in device pixels.
class DevicePixelPainter
{
public:
    DevicePixelPainter(QPainter& painter, qreal scale);
    ~DevicePixelPainter();
    DevicePixelPainter(const DevicePixelPainter&) = delete;
    DevicePixelPainter& operator=(const DevicePixelPainter&) = delete;

    int toDevice(double logical) const;
    // The device pixels covering the logical half-open ranges [left, right) x [top, bottom).
    QRect deviceRect(double left, double top, double right, double bottom) const;

    void fill(const QRect& deviceRect, const QColor& colour);
    // Each covered pixel becomes the channel-wise AND of the colour and the pixel beneath.
    void mask(const QRect& deviceRect, const QColor& colour);
    // A filled disc 5 logical pixels across, centred on the logical pixel (column, row).
    void disc(int column, int row, const QColor& colour);

private:
    QPainter& m_painter;
    qreal m_scale;
};

} // namespace panels
