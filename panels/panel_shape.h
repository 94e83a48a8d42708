// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/panel_contents.h"

#include <QObject>
#include <QRect>

class QPalette;

namespace panels {

class DevicePixelPainter;

// A band, dot or bar, found by its objectName ("Shape7"). Dots and bars change at run time;
// each change reports the logical area to repaint through areaChanged.
class PanelShape : public QObject
{
    Q_OBJECT
public:
    PanelShape(const content::ShapeEntry& entry, QObject* parent);

    content::ShapeKind kind() const { return m_entry.kind; }
    bool isShown() const { return m_visible; }
    float left() const { return m_left; }
    float top() const { return m_top; }
    float height() const { return m_height; }
    int width() const { return m_entry.width; }

    void setShown(bool visible);
    void setLeft(float left);
    void setTop(float top);
    // A bar with Top T and Height H covers rows T to T + H - 1; with a negative H the rows
    // T + H to T - 1, so that a falling quantity shows its decrease. Height 0 covers nothing.
    // Its outline lies on the first and last of those rows and on its first and last columns.
    void setHeight(float height);

    // The logical pixels the shape may cover, clamped to a sane range.
    QRect area() const;
    void paint(DevicePixelPainter& painter, const QPalette& palette) const;

signals:
    void areaChanged(const QRect& logicalArea);

private:
    void change(float& field, float value);

    content::ShapeEntry m_entry;
    bool m_visible = true;
    float m_left;
    float m_top;
    float m_height;
};

} // namespace panels
