// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/increment_summary.h"

#include "plot/graph_catalogue.h"
#include "plot/increments.h"
#include "plot/plot_run.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

namespace app {

namespace {

// Four significant digits, decimal comma, no thousands separator: 0,025 or 1638.
QString germanNumber(double value)
{
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    return german.toString(value, 'g', 4);
}

// A synthesiser may drop a leading hyphen or read it as a dash; "minus" it always says.
QString spokenNumber(double value)
{
    const QString digits = germanNumber(std::abs(value));
    return value < 0.0 ? QStringLiteral("minus ") + digits : digits;
}

QString writtenWhole(int value)
{
    return QString::number(value);
}

QString spokenWhole(int value)
{
    return (value < 0 ? QStringLiteral("minus ") : QString()) + QString::number(std::abs(value));
}

// The two forms of a summary share their statements and differ only in these words.
struct Wording
{
    QString (*number)(double);
    QString (*wholeNumber)(int);
    QString separator;
    const char* acceleration;  // %1: a
    const char* interval;      // %1: the interval, %2: its growth
    const char* ratio;         // %1: the second growth over the first
    const char* noGrowth;      // a = 0
    const char* leavesDiagram; // the run ended before a bar was complete
    const char* overflow;      // %1: the largest acceleration the graph draws
};

// One statement per line keeps the tooltip about as wide as the panel.
const Wording written = {
    &germanNumber,
    &writtenWhole,
    QStringLiteral("\n"),
    "a = %1",
    "Zuwachs %1: %2",
    "Verhältnis 1 : %1",
    "kein Zuwachs",
    "die Kurve verlässt das Diagramm vorher",
    "nichts gezeichnet: Überlauf,\ndieser Graph zeichnet nur\nBeschleunigungen von -%1 bis %1",
};

// Sentences, without "=", "·", ":" between numbers or a minus sign.
const Wording spoken = {
    &spokenNumber,
    &spokenWhole,
    QStringLiteral(". "),
    "a gleich %1",
    "Zuwachs von %1: %2",
    "Verhältnis 1 zu %1",
    "Kein Zuwachs",
    "Die Kurve verlässt das Diagramm vorher",
    "Nichts gezeichnet: Überlauf, dieser Graph zeichnet nur Beschleunigungen von minus %1 bis %1",
};

QString accelerationStatement(const Wording& wording, std::int16_t acceleration)
{
    return QString::fromUtf8(wording.acceleration).arg(wording.wholeNumber(acceleration));
}

QString summary(const Wording& wording, std::int16_t acceleration,
                const plot::Increments& increments)
{
    const auto interval = [&wording](const char* span, const std::optional<double>& growth) {
        return QString::fromUtf8(wording.interval)
            .arg(QString::fromUtf8(span),
                 growth ? wording.number(*growth) : QStringLiteral("nicht erreicht"));
    };
    QStringList statements = {accelerationStatement(wording, acceleration),
                              interval("0 bis 0,05", increments.early),
                              interval("0,15 bis 0,2", increments.late)};
    if (!increments.early || !increments.late) {
        statements << QString::fromUtf8(wording.leavesDiagram);
    } else if (*increments.early == 0.0) {
        statements << QString::fromUtf8(wording.noGrowth);
    } else {
        // Rounded to three decimals: 1 : 7, not 1 : 6,999999.
        const double ratio = std::round(*increments.late / *increments.early * 1000.0) / 1000.0;
        statements << QString::fromUtf8(wording.ratio).arg(wording.number(ratio));
    }
    return statements.join(wording.separator);
}

QString overflow(const Wording& wording, const plot::Graph& graph, std::int16_t acceleration)
{
    return accelerationStatement(wording, acceleration) + wording.separator +
           QString::fromUtf8(wording.overflow).arg(graph.largestAcceleration);
}

} // namespace

Summary runSummary(const plot::Graph& graph, std::int16_t acceleration, const plot::RunResult& run)
{
    const plot::Increments increments = plot::incrementsOfRun(graph, acceleration, run);
    return {summary(written, acceleration, increments), summary(spoken, acceleration, increments)};
}

Summary overflowSummary(const plot::Graph& graph, std::int16_t acceleration)
{
    return {overflow(written, graph, acceleration), overflow(spoken, graph, acceleration)};
}

Summary nothingDrawnSummary()
{
    const QString nothing = QStringLiteral("Nichts gezeichnet");
    return {nothing, nothing};
}

} // namespace app
