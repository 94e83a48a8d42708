// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/increment_summary.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/ignoring_window_system.h"
#include "winsys/runtime_error.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <limits>

namespace {

// The numbers of a text in order, with "minus" read as a sign: "a gleich minus 20 ... 0,5"
// and "a = -20 ... 0,5" both give -20, ..., 0,5.
QStringList numbersOf(QString text)
{
    text.replace(QStringLiteral("minus "), QStringLiteral("-"));
    static const QRegularExpression number(QStringLiteral("-?\\d+(,\\d+)?"));
    QStringList numbers;
    for (const QRegularExpressionMatch& match : number.globalMatch(text)) {
        numbers << match.captured();
    }
    return numbers;
}

// For every acceleration of every graph: the spoken text carries exactly the numbers of the
// tooltip, and none of the signs a speech synthesiser reads as symbols.
TEST(SpokenSummaryTest, SaysTheTooltipsNumbersInWordsForEveryAcceleration)
{
    static const QRegularExpression misread(QStringLiteral("[·*²=]| : |-|\\de[+-]?\\d"));
    winsys::IgnoringWindowSystem windows;
    for (const plot::Graph& graph : plot::graphCatalogue) {
        for (int value = std::numeric_limits<std::int16_t>::min();
             value <= std::numeric_limits<std::int16_t>::max(); ++value) {
            const auto acceleration = static_cast<std::int16_t>(value);
            app::Summary summary;
            try {
                summary = app::runSummary(graph, acceleration,
                                          plot::plotRun(graph, acceleration, windows));
            } catch (const winsys::RuntimeError&) {
                summary = app::overflowSummary(graph, acceleration);
            }
            const QString& shown = summary.written;
            const QString& spoken = summary.spoken;
            if (numbersOf(spoken) != numbersOf(shown) || spoken.contains(misread) ||
                !spoken.startsWith(QStringLiteral("a gleich "))) {
                FAIL() << std::string(graph.buttonCaption) << " a = " << value << ": "
                       << spoken.toStdString() << " | " << shown.toStdString();
            }
        }
    }
}

} // namespace
