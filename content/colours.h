// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace content {

struct Rgb
{
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Every fixed colour of the window. The desktop decides the others (SystemColour).
inline constexpr Rgb black{0, 0, 0};          // curve, dots, button bevel
inline constexpr Rgb white{255, 255, 255};    // Text1's background, button bevel
inline constexpr Rgb gridGrey{128, 128, 128}; // outer grid lines, button shadow
inline constexpr Rgb bandGrey{192, 192, 192}; // interval bands
inline constexpr Rgb barBlue{128, 128, 255};  // increment bars
// The increment bars' outline, a dark blue. ANDed onto white, the grey grid lines and the bands
// (every channel 128 or more) it keeps this tone, so a bar's edge stands out at more than 3 : 1
// even on a washed-out projector; the black curve and axes stay black.
inline constexpr Rgb barOutline{0, 0, 128};
inline constexpr Rgb buttonFace{255, 255, 128}; // the six buttons, a light yellow

// The colours a panel uses: the first three are the desktop's, the others fixed.
enum class PanelColour {
    WindowBackground, // the panel surface and label backgrounds; white in the usual scheme
    WindowText,       // axes and label text; black
    Workspace,        // vertical and middle horizontal grid lines; a mid grey
    GridGrey,         // the outer horizontal grid lines
    BandGrey,         // the interval bands
    BarBlue,          // the increment bars
    BarOutline,       // the increment bars' outline
    Black,            // the marker dots and the drawn curve
};

// The RGB value of a fixed colour; none for the desktop's own.
std::optional<Rgb> fixedRgb(PanelColour colour);

} // namespace content
