// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace plot {
struct Graph;
}

namespace panels {

// What a screen reader says of a graph's panel, in words a German speech synthesiser reads
// well: the quantity over time, "Diagramm s über t".
QString spokenPanelName(const plot::Graph& graph);

// The formula label in words: "s  =  0,5a * t²" is "s gleich 0,5 a mal t Quadrat".
QString spokenFormula(const plot::Graph& graph);

} // namespace panels
