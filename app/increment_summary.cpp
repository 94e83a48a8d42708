#include "app/increment_summary.h"

#include "app/german_number.h"
#include "plot/graph_catalogue.h"
#include "plot/increments.h"
#include "plot/plot_run.h"

#include <cmath>

namespace app {

namespace {

// One statement per line keeps the tooltip about as wide as the panel.
const QString separator = QStringLiteral("\n");

QString interval(const QString& span, const std::optional<double>& growth)
{
    return QStringLiteral("Zuwachs %1: %2")
        .arg(span, growth ? germanNumber(*growth) : QStringLiteral("nicht erreicht"));
}

QString ratio(double early, double late)
{
    if (early == 0.0) {
        return QStringLiteral("kein Zuwachs");
    }
    return QStringLiteral("Verhältnis 1 : %1")
        .arg(germanNumber(std::round(late / early * 1000.0) / 1000.0));
}

} // namespace

QString incrementSummary(const plot::Graph& graph, std::int16_t acceleration,
                         const plot::RunResult& run)
{
    const plot::Increments increments = plot::incrementsOfRun(graph, acceleration, run);
    QString text = QStringLiteral("a = %1").arg(acceleration) + separator +
                   interval(QStringLiteral("0 bis 0,05"), increments.early) + separator +
                   interval(QStringLiteral("0,15 bis 0,2"), increments.late) + separator;
    if (increments.early && increments.late) {
        return text + ratio(*increments.early, *increments.late);
    }
    return text + QStringLiteral("die Kurve verlässt das Diagramm vorher");
}

QString overflowSummary(const plot::Graph& graph, std::int16_t acceleration)
{
    return QStringLiteral("a = %1").arg(acceleration) + separator +
           QStringLiteral("nichts gezeichnet: Überlauf,\ndieser Graph zeichnet nur\n"
                          "Beschleunigungen von -%1 bis %1")
               .arg(graph.largestAcceleration);
}

QString nothingDrawnSummary()
{
    return QStringLiteral("Nichts gezeichnet");
}

} // namespace app
