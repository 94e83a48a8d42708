// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>

namespace app {

// A push button painted with a coloured face and a classic raised bevel (sunken while
// pressed), its caption centred, and a dotted focus frame. Painting it is a handful of fills,
// far cheaper than a full widget style.
class FaceButton : public QPushButton
{
    Q_OBJECT
public:
    FaceButton(const QString& caption, const QColor& face, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_face;
};

} // namespace app
