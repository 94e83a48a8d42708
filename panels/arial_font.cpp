// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/arial_font.h"

#include <QFontDatabase>

namespace panels {

QString arialFamily(const QStringList& installedFamilies)
{
    const QString arial = QStringLiteral("Arial");
    const QString twin = QStringLiteral("Liberation Sans");
    const bool useTwin = !installedFamilies.contains(arial, Qt::CaseInsensitive) &&
                         installedFamilies.contains(twin, Qt::CaseInsensitive);
    return useTwin ? twin : arial;
}

QFont arialFont(int pixelSize, QFont::Weight weight)
{
    static const QString family = arialFamily(QFontDatabase::families());
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

} // namespace panels
