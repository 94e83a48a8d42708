// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/curve_pen.h"

#include <QImage>
#include <QRect>

#include <span>
#include <vector>

namespace panels {

// The drawn curves of one panel, kept as rasters of the panel's size at the device pixel
// ratio: the curves alone on a transparent raster, and the picture that the panel blits, its
// static diagram with the curves over it. Segments are drawn with a CurvePen, one logical pixel
// wide (content::CurvePen). Neither raster's size nor the cost of blitting depends on how many
// segments were drawn.
class CurveLayer
{
public:
    CurveLayer(QSize logicalSize, qreal scale);

    // Draws from (x1, y1) to (x2, y2), in logical panel pixels; ends far outside the panel
    // are clipped in double precision first. Returns the logical area that changed (empty
    // when nothing of the segment lies on the panel).
    QRect drawSegment(double x1, double y1, double x2, double y2);
    void clear();
    bool isEmpty() const { return m_empty; }

    // The static diagram beneath the curves, at the layer's scale.
    void setBackground(const QImage& background);
    bool hasBackground() const { return !m_background.isNull(); }
    // Moves to another device pixel ratio, keeping what was drawn (scaled); the background
    // must be set again afterwards.
    void setScale(qreal scale);
    qreal scale() const { return m_scale; }

    // The background with the curves over it, opaque, with its device pixel ratio set.
    const QImage& picture() const { return m_picture; }

private:
    void composePicture();

    QSize m_logicalSize;
    qreal m_scale;
    QImage m_curves;   // null until the first segment
    QRect m_drawnArea; // device pixels touched since the last clear
    QImage m_background;
    QImage m_picture;
    bool m_empty = true;
    content::CurvePen m_pen;
    std::vector<content::PixelRect> m_pixels; // of the segment being drawn
};

// Blackens the device pixels on a 32-bit raster, as far as they lie on it.
void blacken(QImage& raster, std::span<const content::PixelRect> pixels);

} // namespace panels
