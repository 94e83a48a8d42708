// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/float_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace winsys {
namespace {

constexpr int maximumDigits = 9; // enough for every float to read back

// A decimal number: significant digits d0 d1 d2 ... (no sign, no point) standing for
// d0.d1d2... * 10^exponent.
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

template <typename... Arguments> std::string printed(const char* format, Arguments... arguments)
{
    std::array<char, 64> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), format, arguments...);
    return {buffer.data(), static_cast<std::size_t>(length)};
}

// Reads "-1.2345e+06" into digits and exponent.
Decimal fromScientific(const std::string& text)
{
    Decimal decimal;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            decimal.digits += text[i];
        }
    }
    decimal.exponent = static_cast<int>(std::strtol(text.c_str() + e + 1, nullptr, 10));
    return decimal;
}

std::string scientificText(const Decimal& decimal, bool negative)
{
    std::string text = negative ? "-" : "";
    text += decimal.digits.front();
    if (decimal.digits.size() > 1) {
        text.append(".").append(decimal.digits, 1);
    }
    const int magnitude = std::abs(decimal.exponent);
    text.append(decimal.exponent < 0 ? "e-" : "e+").append(magnitude < 10 ? "0" : "");
    return text.append(std::to_string(magnitude));
}

bool readsBackTo(const Decimal& decimal, float value)
{
    return std::strtof(scientificText(decimal, std::signbit(value)).c_str(), nullptr) == value;
}

// The same number of digits one unit higher or lower in the last place; nothing when the
// count of digits would change.
std::optional<Decimal> neighbour(Decimal decimal, bool upward)
{
    std::size_t place = decimal.digits.size();
    while (place-- > 0) {
        char& digit = decimal.digits[place];
        if (upward ? digit != '9' : digit != '0') {
            digit = static_cast<char>(digit + (upward ? 1 : -1));
            if (decimal.digits.front() == '0') {
                return std::nullopt;
            }
            return decimal;
        }
        digit = upward ? '0' : '9';
    }
    return std::nullopt;
}

// The p-digit decimal that reads back to the value, if there is one: the nearest, or where the
// value lies near a power of two (its rounding interval is narrower below than above) the
// nearest on the other side.
std::optional<Decimal> shortestWithDigits(float value, int digits)
{
    const std::string nearestText = printed("%.*e", digits - 1, static_cast<double>(value));
    Decimal nearest = fromScientific(nearestText);
    if (readsBackTo(nearest, value)) {
        return nearest;
    }
    const bool nearestIsAbove = std::fabs(std::strtod(nearestText.c_str(), nullptr)) >
                                std::fabs(static_cast<double>(value));
    std::optional<Decimal> other = neighbour(nearest, !nearestIsAbove);
    if (other && readsBackTo(*other, value)) {
        return other;
    }
    return std::nullopt;
}

Decimal shortestDecimal(float value)
{
    for (int digits = 1; digits < maximumDigits; ++digits) {
        if (std::optional<Decimal> decimal = shortestWithDigits(value, digits)) {
            while (decimal->digits.size() > 1 && decimal->digits.back() == '0') {
                decimal->digits.pop_back();
            }
            return *decimal;
        }
    }
    return fromScientific(printed("%.*e", maximumDigits - 1, static_cast<double>(value)));
}

std::string fixedText(const Decimal& decimal, float value, bool negative)
{
    const int digitCount = static_cast<int>(decimal.digits.size());
    if (decimal.exponent >= digitCount - 1) {
        // A whole number: every digit of its exact value, as printf writes it.
        return printed("%.0f", static_cast<double>(value));
    }
    std::string text = negative ? "-" : "";
    if (decimal.exponent < 0) {
        text.append("0.").append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        return text.append(decimal.digits);
    }
    const std::size_t point = static_cast<std::size_t>(decimal.exponent) + 1;
    return text.append(decimal.digits, 0, point).append(".").append(decimal.digits, point);
}

} // namespace

std::string shortestFloatText(float value)
{
    const bool negative = std::signbit(value);
    if (!std::isfinite(value)) { // not left to printf: Windows' writes no sign of a NaN
        return std::string(negative ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
    }
    const Decimal decimal = shortestDecimal(value);
    std::string fixed = fixedText(decimal, value, negative);
    std::string scientific = scientificText(decimal, negative);
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

} // namespace winsys
