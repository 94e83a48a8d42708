#include "app/spoken_summary.h"

#include "app/german_number.h"
#include "plot/graph_catalogue.h"
#include "plot/increments.h"
#include "plot/plot_run.h"

#include <QStringList>

#include <cmath>

namespace app {

namespace {

// A synthesiser may drop a leading hyphen or read it as a dash; "minus" it always says.
QString spokenNumber(double value)
{
    const QString digits = germanNumber(std::abs(value));
    return value < 0.0 ? QStringLiteral("minus ") + digits : digits;
}

QString spokenAcceleration(std::int16_t acceleration)
{
    const int magnitude = std::abs(static_cast<int>(acceleration));
    return QStringLiteral("a gleich %1%2")
        .arg(acceleration < 0 ? QStringLiteral("minus ") : QString())
        .arg(magnitude);
}

QString spokenInterval(const QString& span, const std::optional<double>& growth)
{
    return QStringLiteral("Zuwachs von %1: %2")
        .arg(span, growth ? spokenNumber(*growth) : QStringLiteral("nicht erreicht"));
}

// The ratio rounded to three decimals, as the tooltip shows it.
QString spokenRatio(double early, double late)
{
    if (early == 0.0) {
        return QStringLiteral("Kein Zuwachs");
    }
    return QStringLiteral("Verhältnis 1 zu %1")
        .arg(spokenNumber(std::round(late / early * 1000.0) / 1000.0));
}

} // namespace

QString spokenSummary(const plot::Graph& graph, std::int16_t acceleration,
                      const plot::RunResult& run)
{
    const plot::Increments increments = plot::incrementsOfRun(graph, acceleration, run);
    QStringList sentences = {spokenAcceleration(acceleration),
                             spokenInterval(QStringLiteral("0 bis 0,05"), increments.early),
                             spokenInterval(QStringLiteral("0,15 bis 0,2"), increments.late)};
    if (increments.early && increments.late) {
        sentences << spokenRatio(*increments.early, *increments.late);
    } else {
        sentences << QStringLiteral("Die Kurve verlässt das Diagramm vorher");
    }
    return sentences.join(QStringLiteral(". "));
}

QString spokenOverflowSummary(const plot::Graph& graph, std::int16_t acceleration)
{
    return spokenAcceleration(acceleration) +
           QStringLiteral(". Nichts gezeichnet: Überlauf, dieser Graph zeichnet nur "
                          "Beschleunigungen von minus %1 bis %1")
               .arg(graph.largestAcceleration);
}

} // namespace app
