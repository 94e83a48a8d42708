// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/german_text.h"

#include <cmath>
#include <cstdio>

namespace content {

std::string germanNumber(double value)
{
    // Rounded in decimal, half away from zero as at school, after the value is cleaned of the
    // binary noise of its computation: 286,65 is 286,7 whether it came out a hair above or below.
    constexpr int cleanDigits = 11;
    constexpr long long dropped = 10'000'000; // 10^(cleanDigits - 4)
    if (value == 0.0) {
        return "0";
    }
    // "d.dddddddddde+XX": cleanDigits significant digits.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.10e", std::fabs(value));
    const std::string_view text(scientific);
    std::string digits(text.substr(0, 1));
    digits.append(text.substr(2, cleanDigits - 1));
    int exponent = std::stoi(std::string(text.substr(text.find('e') + 1)));
    long long significant = (std::stoll(digits) + dropped / 2) / dropped;
    if (significant == 10'000) {
        significant = 1'000;
        ++exponent;
    }
    // significant holds four digits; the first stands for 10^exponent.
    const std::string four = std::to_string(significant);
    const int wholeDigits = exponent + 1;
    std::string number(value < 0.0 ? "-" : "");
    if (wholeDigits <= 0) {
        number.append("0,").append(static_cast<std::size_t>(-wholeDigits), '0').append(four);
    } else if (wholeDigits >= 4) {
        number.append(four).append(static_cast<std::size_t>(wholeDigits - 4), '0');
    } else {
        const auto point = static_cast<std::size_t>(wholeDigits);
        number.append(four, 0, point).append(",").append(four, point);
    }
    if (number.find(',') != std::string::npos) {
        number.erase(number.find_last_not_of('0') + 1);
        if (number.back() == ',') {
            number.pop_back();
        }
    }
    return number;
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string> values)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const auto index = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (index < values.size()) {
            text += *(values.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string join(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += i > 0 ? separator : std::string_view();
        text += parts[i];
    }
    return text;
}

std::string collapseBlanks(std::string_view text)
{
    std::string collapsed;
    bool blank = false;
    for (const char character : text) {
        if (character == ' ') {
            blank = !collapsed.empty();
            continue;
        }
        if (blank) {
            collapsed += ' ';
            blank = false;
        }
        collapsed += character;
    }
    return collapsed;
}

} // namespace content
