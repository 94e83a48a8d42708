// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The program's one window, in window pixels: origin at the top-left of the client area. The
// four graph panels lie at (0, 0); the other controls stand in one column on the right.
namespace content {

inline constexpr int windowWidth = 331;
inline constexpr int windowHeight = 333;
inline constexpr std::string_view windowCaption = "Beschleunigungskurven";

// The acceleration at every start, before the learner types another.
inline constexpr std::int16_t startAcceleration = 20;

// Every control of the right-hand column stands at column 248 and is 81 pixels wide.
inline constexpr int columnLeft = 248;
inline constexpr int columnWidth = 81;

struct ControlEntry
{
    std::string_view name;    // the objectName
    std::string_view caption; // UTF-8; Text1 has none, its text is the acceleration
    int top;
    int height;
    int fontPixels; // Arial 12 pt, 9.75 pt or 9 pt at 96 dots per inch
    // UTF-8, for a screen reader: a button's description, said after its caption; the name of
    // the label and of the box.
    std::string_view spoken;
};

// Command1 to Command4, the graph buttons "s", "E kin", "v" and "P".
inline constexpr std::array<ControlEntry, 4> graphButtons{{
    {"Command1", "s", 0, 33, 16, "zeichnet den Weg s über der Zeit t"},
    {"Command2", "E kin", 40, 33, 16, "zeichnet die kinetische Energie E kin über der Zeit t"},
    {"Command3", "v", 80, 33, 16, "zeichnet die Geschwindigkeit v über der Zeit t"},
    {"Command4", "P", 120, 33, 16, "zeichnet die Leistung P über der Zeit t"},
}};
inline constexpr ControlEntry command5{
    "Command5", "zurücksetzen", 160, 25, 12, "löscht die Kurven des gezeigten Diagramms"};
// The instruction breaks after "Be-"; a screen reader says it as one word.
inline constexpr ControlEntry label17{
    "Label17", "Hier können Sie die Be- schleunigung ändern:", 192, 65,
    12,        "Hier können Sie die Beschleunigung ändern:"};
inline constexpr ControlEntry text1{"Text1", "", 264, 25, 13, "Beschleunigung"};
inline constexpr ControlEntry command6{"Command6", "Ende", 296, 33, 16, "beendet das Programm"};

// The panels' place in the Tab order, between Command4 and Text1: Picture1(1), (0), (2), (3).
inline constexpr std::array<int, 4> panelTabOrder{1, 0, 2, 3};

} // namespace content
