// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/face_button.h"

#include "panels/colours.h"

#include <QPainter>

namespace app {

FaceButton::FaceButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent), m_face(face)
{
    setAutoDefault(false);
    setDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QRect frame = rect();
    const bool sunken = isDown();
    painter.fillRect(frame, m_face);

    // Two-pixel bevel: light above and left, dark below and right; swapped while pressed.
    const QColor black = panels::toQColor(content::black);
    const QColor white = panels::toQColor(content::white);
    const QColor outerLight(sunken ? black : white);
    const QColor outerDark(sunken ? white : black);
    const QColor innerDark = panels::toQColor(content::gridGrey);
    const int right = frame.right();
    const int bottom = frame.bottom();
    painter.fillRect(0, 0, frame.width(), 1, outerLight);
    painter.fillRect(0, 0, 1, frame.height(), outerLight);
    painter.fillRect(0, bottom, frame.width(), 1, outerDark);
    painter.fillRect(right, 0, 1, frame.height(), outerDark);
    if (sunken) {
        painter.fillRect(1, 1, frame.width() - 2, 1, innerDark);
        painter.fillRect(1, 1, 1, frame.height() - 2, innerDark);
    } else {
        painter.fillRect(1, bottom - 1, frame.width() - 2, 1, innerDark);
        painter.fillRect(right - 1, 1, 1, frame.height() - 2, innerDark);
    }

    const int shift = sunken ? 1 : 0;
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(frame.translated(shift, shift), Qt::AlignCenter, text());
    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(frame.adjusted(4, 4, -5, -5).translated(shift, shift));
    }
}

} // namespace app
