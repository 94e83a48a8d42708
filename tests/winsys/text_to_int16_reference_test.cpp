// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/text_to_int16.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// The conversion's rules written plainly, as a second opinion: split at the separator, check
// the characters, compare the fraction with one half as digit strings.
std::optional<int> referenceConversion(std::string text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        text.erase(0, 1);
    }
    const std::size_t separator = text.find_first_of(".,");
    const std::string whole = text.substr(0, separator);
    const std::string fraction = separator == std::string::npos ? "" : text.substr(separator + 1);
    const auto allDigits = [](const std::string& part) {
        return part.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() + fraction.size() == 0) {
        return std::nullopt;
    }
    if (separator != std::string::npos && text[separator] == '.' && fraction.size() == 3 &&
        !whole.empty() && whole.size() <= 3 && whole[0] != '0') {
        return std::nullopt; // a German thousands group such as 1.000
    }
    const std::string significant =
        whole.substr(std::min(whole.find_first_not_of('0'), whole.size()));
    if (significant.size() > 5) {
        return std::nullopt;
    }
    long value = significant.empty() ? 0 : std::stol(significant);
    std::string half(fraction.size(), '0');
    if (!half.empty()) {
        half[0] = '5';
    }
    if (fraction > half || (fraction == half && !half.empty() && value % 2 == 1)) {
        ++value;
    }
    value = negative ? -value : value;
    if (value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// Texts near the accepted notation, with every kind of thing that can go wrong mixed in.
std::string randomText(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {
        "0",        "1",     "2",     "3", "5",  "7", "9",
        "00",       "32767", "32768", "5", "-",  "+", " ",
        "\t",       ",",     ".",     "a", "e",  "E", "x",
        "&H",       "€",     "$",     "−", "１", "²", std::string(1, '\0'),
        "\xC2\xA0", "\xFF"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> count(0, 8);
    std::uniform_int_distribution<int> shape(0, 9);
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text;
    const int kind = shape(random);
    if (kind < 4) {
        // [blanks][sign]digits[separator digits][blanks], the accepted shape
        text += std::string(static_cast<std::size_t>(count(random) % 3), ' ');
        if (kind < 2) {
            text.push_back(kind == 0 ? '-' : '+');
        }
        for (int i = count(random); i >= 0; --i) {
            text += static_cast<char>('0' + digit(random));
        }
        if (kind != 3) {
            text.push_back(shape(random) < 5 ? ',' : '.');
            for (int i = count(random); i > 0; --i) {
                text += static_cast<char>('0' + digit(random));
            }
        }
        text += std::string(static_cast<std::size_t>(count(random) % 3), '\t');
    } else if (kind == 4) {
        std::uniform_int_distribution<std::size_t> length(50, 5000);
        text.assign(length(random), static_cast<char>('0' + digit(random) % 2));
        text.append("12");
    } else {
        for (int i = count(random); i >= 0; --i) {
            text += pieces[pick(random)];
        }
    }
    return text;
}

TEST(TextToInt16ReferenceTest, AgreesWithThePlainReferenceOnGeneratedTexts)
{
    std::mt19937 random(20261208);
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string text = randomText(random);
        const std::optional<int> expected = referenceConversion(text);
        const std::optional<std::int16_t> converted = winsys::textToInt16(text);
        ASSERT_EQ(converted.has_value(), expected.has_value()) << "text \"" << text << "\"";
        if (expected) {
            ASSERT_EQ(*converted, *expected) << "text \"" << text << "\"";
            ++accepted;
        }
    }
    EXPECT_GT(accepted, 20000) << "the generator must reach the accepted notation often";
    EXPECT_LT(accepted, 80000) << "and the rejected ones too";
}

} // namespace
