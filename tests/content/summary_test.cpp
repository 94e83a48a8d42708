// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/summary.h"

#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"
#include "winsys/ignoring_window_system.h"
#include "winsys/runtime_error.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The numbers of a text in order, with "minus" read as a sign: "a gleich minus 20 ... 0,5"
// and "a = -20 ... 0,5" both give -20, ..., 0,5.
std::vector<std::string> numbersOf(std::string_view text)
{
    const auto isDigit = [&text](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0;
    };
    std::vector<std::string> numbers;
    bool negative = false;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at).starts_with("minus ") || (text[at] == '-' && isDigit(at + 1))) {
            negative = true;
            at += text[at] == '-' ? 1 : 6;
        } else if (isDigit(at)) {
            const std::size_t start = at;
            while (isDigit(at) || (text[at] == ',' && isDigit(at + 1))) {
                ++at;
            }
            numbers.emplace_back(negative ? 1 : 0, '-');
            numbers.back().append(text.substr(start, at - start));
            negative = false;
        } else {
            negative = false;
            ++at;
        }
    }
    return numbers;
}

// What a speech synthesiser reads as a symbol, or spells: signs, and numbers with exponents.
bool hasSymbols(const std::string& spoken)
{
    for (const char* sign : {"·", "*", "²", "=", " : ", "-", "e+", "e-"}) {
        if (spoken.find(sign) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// For every acceleration of every graph: the spoken text carries exactly the numbers of the
// tooltip, and none of the signs a speech synthesiser reads as symbols.
TEST(SummaryTest, SaysTheTooltipsNumbersInWordsForEveryAcceleration)
{
    winsys::IgnoringWindowSystem windows;
    for (const plot::Graph& graph : plot::graphCatalogue) {
        for (int value = std::numeric_limits<std::int16_t>::min();
             value <= std::numeric_limits<std::int16_t>::max(); ++value) {
            const auto acceleration = static_cast<std::int16_t>(value);
            content::Summary summary;
            try {
                summary = content::runSummary(graph, acceleration,
                                              plot::plotRun(graph, acceleration, windows));
            } catch (const winsys::RuntimeError&) {
                summary = content::overflowSummary(graph, acceleration);
            }
            if (numbersOf(summary.spoken) != numbersOf(summary.written) ||
                hasSymbols(summary.spoken) || summary.spoken.rfind("a gleich ", 0) != 0) {
                FAIL() << graph.buttonCaption << " a = " << value << ": " << summary.spoken << " | "
                       << summary.written;
            }
        }
    }
}

// The formula label in words, as a screen reader should say it after the run's summary.
TEST(SummaryTest, DescribesEachPanelByItsFormulaInWords)
{
    const char* formulas[] = {"v gleich a mal t", "P gleich m mal a mal v",
                              "E kin gleich 0,5 m mal v Quadrat", "s gleich 0,5 a mal t Quadrat"};
    for (int panel = 0; panel < 4; ++panel) {
        const plot::Graph& graph = plot::graphForPanel(panel);
        SCOPED_TRACE(graph.buttonCaption);
        EXPECT_EQ(content::panelDescription(graph, "Nichts gezeichnet"),
                  std::string("Nichts gezeichnet. Formel: ") + formulas[panel]);
        EXPECT_EQ(content::spokenPanelName(graph),
                  "Diagramm " + std::string(graph.buttonCaption) + " über t");
    }
}

} // namespace
