// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/spoken_panel.h"

#include "panels/panel_contents.h"
#include "plot/graph_catalogue.h"

#include <QRegularExpression>

namespace panels {

QString spokenPanelName(const plot::Graph& graph)
{
    return QStringLiteral("Diagramm %1 über t").arg(fromUtf8(graph.buttonCaption));
}

QString spokenFormula(const plot::Graph& graph)
{
    QString words = fromUtf8(graph.formulaLabel);
    words.replace(QLatin1Char('='), QStringLiteral(" gleich "));
    words.replace(QLatin1Char('*'), QStringLiteral(" mal "));
    words.replace(QStringLiteral("²"), QStringLiteral(" Quadrat"));
    // A factor written against its number, "0,5a", is read as two words.
    static const QRegularExpression numberThenLetter(QStringLiteral("(\\d)([a-zA-Z])"));
    words.replace(numberThenLetter, QStringLiteral("\\1 \\2"));
    return words.simplified();
}

} // namespace panels
