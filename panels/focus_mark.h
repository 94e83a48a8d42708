// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QPainter;
class QSize;

namespace panels {

// The keyboard focus of a panel: a dotted frame on the panel's outermost ring of logical
// pixels, which no static content reaches. A pixel (x, y) of the ring is dotted when x + y is
// even, so the dots meet at the corners; the others are left as they are.
void paintFocusMark(QPainter& painter, const QSize& size, const QColor& colour);

} // namespace panels
