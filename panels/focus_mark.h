// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QColor;
class QPainter;
class QSize;

namespace panels {

// The keyboard focus of a panel (content::focusMarkDots); the other pixels are left as they are.
void paintFocusMark(QPainter& painter, const QSize& size, const QColor& colour);

} // namespace panels
