// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/text_to_int16.h"

#include <algorithm>
#include <limits>

namespace winsys {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
int digitValue(char c)
{
    return c - '0';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Larger than any magnitude that can still round into range; the whole part saturates here
// so that long digit runs cannot overflow.
constexpr std::int32_t saturatedMagnitude = 100000;

struct Fraction
{
    int firstDigit = 0;
    bool nonZeroAfterFirst = false;
    std::size_t digitCount = 0;
};

} // namespace

std::optional<std::int16_t> textToInt16(std::string_view text)
{
    std::string_view rest = trimBlanks(text);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        rest.remove_prefix(1);
    }

    std::int32_t magnitude = 0;
    std::size_t wholeDigitCount = 0;
    const char firstWholeDigit = rest.empty() ? '\0' : rest.front();
    while (!rest.empty() && isDigit(rest.front())) {
        magnitude = std::min(magnitude * 10 + digitValue(rest.front()), saturatedMagnitude);
        ++wholeDigitCount;
        rest.remove_prefix(1);
    }

    char separator = '\0';
    Fraction fraction;
    if (!rest.empty() && (rest.front() == ',' || rest.front() == '.')) {
        separator = rest.front();
        rest.remove_prefix(1);
        while (!rest.empty() && isDigit(rest.front())) {
            const int digit = digitValue(rest.front());
            if (fraction.digitCount == 0) {
                fraction.firstDigit = digit;
            } else if (digit != 0) {
                fraction.nonZeroAfterFirst = true;
            }
            ++fraction.digitCount;
            rest.remove_prefix(1);
        }
    }

    if (!rest.empty() || wholeDigitCount + fraction.digitCount == 0) {
        return std::nullopt;
    }
    const bool looksLikeThousandsGroup = separator == '.' && wholeDigitCount >= 1 &&
                                         wholeDigitCount <= 3 && firstWholeDigit != '0' &&
                                         fraction.digitCount == 3;
    if (looksLikeThousandsGroup) {
        return std::nullopt;
    }

    // Half to even on the magnitude is the same as half to even on the signed value.
    const bool aboveHalf =
        fraction.firstDigit > 5 || (fraction.firstDigit == 5 && fraction.nonZeroAfterFirst);
    const bool exactlyHalf = fraction.firstDigit == 5 && !fraction.nonZeroAfterFirst;
    if (aboveHalf || (exactlyHalf && magnitude % 2 == 1)) {
        ++magnitude;
    }

    const std::int32_t value = negative ? -magnitude : magnitude;
    using Range = std::numeric_limits<std::int16_t>;
    if (value < Range::min() || value > Range::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

} // namespace winsys
