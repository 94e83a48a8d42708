// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/pixel_geometry.h"

#include <QColor>

class QPainter;

namespace panels {

// Paints whole pixels of the paint device, so that rectangles and discs stay crisp at any
// device pixel ratio; which pixels those are, content/pixel_geometry.h decides. While this
// object lives, the painter works in device pixels.
class DevicePixelPainter
{
public:
    DevicePixelPainter(QPainter& painter, qreal scale);
    ~DevicePixelPainter();
    DevicePixelPainter(const DevicePixelPainter&) = delete;
    DevicePixelPainter& operator=(const DevicePixelPainter&) = delete;

    qreal scale() const { return m_scale; }

    void fill(const content::PixelRect& pixels, const QColor& colour);
    // Each covered pixel becomes the channel-wise AND of the colour and the pixel beneath.
    void mask(const content::PixelRect& pixels, const QColor& colour);

private:
    QPainter& m_painter;
    qreal m_scale;
};

} // namespace panels
