// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/panel_contents.h"

#include <QFont>
#include <QObject>
#include <QRect>

class QPainter;
class QPalette;

namespace panels {

// A static label of a panel, found by its objectName ("Label16"). Its background is the panel's
// background; its single line of text is left-aligned, with the middle of the capital letters
// 8 rows below the label's top edge, level with the grid line it names.
class PanelLabel : public QObject
{
    Q_OBJECT
public:
    PanelLabel(const content::LabelEntry& entry, QObject* parent);
    const content::LabelEntry& entry() const { return m_entry; }
    QString text() const;
    QRect area() const;
    void paint(QPainter& painter, const QPalette& palette, const QFont& defaultFont) const;

private:
    content::LabelEntry m_entry;
};

// Arial 8.25 pt and 12 pt bold, sized in logical pixels as at 96 dots per inch.
const QFont& tickFont();
const QFont& captionFont();

} // namespace panels
