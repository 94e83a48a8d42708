// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/text_to_int16.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using winsys::textToInt16;

struct ConversionRow
{
    const char* name;
    std::string text;
    std::optional<std::int16_t> value; // nullopt: the conversion fails
};

void expectConversions(const std::vector<ConversionRow>& rows)
{
    for (const ConversionRow& row : rows) {
        SCOPED_TRACE(std::string(row.name) + ": \"" + row.text.substr(0, 40) + "\"");
        EXPECT_EQ(textToInt16(row.text), row.value);
    }
}

constexpr std::nullopt_t fails = std::nullopt;

TEST(TextToInt16Test, ConvertsWholeNumbersWithinSixteenBits)
{
    expectConversions({
        {"plain", "12", 12},
        {"negative", "-4", -4},
        {"largest", "32767", 32767},
        {"smallest", "-32768", -32768},
        {"one above", "32768", fails},
        {"one below", "-32769", fails},
        {"empty", "", fails},
        {"letters", "abc", fails},
        {"zero", "0", 0},
        {"negative zero", "-0", 0},
        {"plus sign", "+7", 7},
        {"leading zeros", "007", 7},
        {"far beyond the range", "99999999999", fails},
    });
}

TEST(TextToInt16Test, IgnoresBlanksAndTabsAroundTheNumberOnly)
{
    expectConversions({
        {"blanks around", "  12  ", 12},
        {"tabs around", "\t-12\t", -12},
        {"mixed", " \t 35\t ", 35},
        {"only blanks", "   ", fails},
        {"blank inside", "1 2", fails},
        {"blank after sign", "- 5", fails},
        {"thousands blank", "32 767", fails},
        {"newline is not a blank", "12\n", fails},
        {"no-break space is not a blank",
         "\xC2\xA0"
         "12",
         fails},
    });
}

// Half to even: 2,5 and -2,5 stay at the even 2; 3,5 goes to the even 4.
TEST(TextToInt16Test, RoundsFractionsHalfToEven)
{
    expectConversions({
        {"half down to even", "2,5", 2},
        {"half up to even", "3,5", 4},
        {"negative half to even", "-2,5", -2},
        {"negative half up to even", "-3,5", -4},
        {"just above half", "2,5000001", 3},
        {"just below half", "2,4999999", 2},
        {"half with trailing zeros", "2,50000", 2},
        {"below half", "7,4", 7},
        {"above half", "7,6", 8},
        {"zero and a half", "0,5", 0},
        {"one and a half", "1,5", 2},
        {"decimal point like comma", "2.5", 2},
        {"decimal point above half", "12.7", 13},
        {"only a fraction", ",7", 1},
        {"separator at the end", "5,", 5},
        {"tiny negative rounds to zero", "-0,4", 0},
        {"rounds into the top of the range", "32766,5", 32766},
        {"rounds out of the range", "32767,5", fails},
        {"largest below the limit", "32767,4999", 32767},
        {"minimum half stays even", "-32768,5", -32768},
        {"rounds below the range", "-32768,6", fails},
        {"fraction beyond the range", "40000,1", fails},
    });
}

TEST(TextToInt16Test, RejectsEveryOtherNotation)
{
    expectConversions({
        {"two signs", "+-5", fails},
        {"double minus", "--5", fails},
        {"trailing sign", "5-", fails},
        {"sign alone", "-", fails},
        {"separator alone", ",", fails},
        {"sign and separator", "-,", fails},
        {"two commas", "1,2,3", fails},
        {"comma and point", "1.000,5", fails},
        {"adjacent separators", "1,,2", fails},
        {"German thousands group", "1.000", fails},
        {"thousands group at the limit", "32.767", fails},
        {"three decimals after a zero is a fraction", "0.500", 0},
        {"four decimals is a fraction", "1.0000", 1},
        {"three decimals with a comma", "2,500", 2},
        {"exponent", "1e3", fails},
        {"capital exponent", "1E3", fails},
        {"hexadecimal", "0x10", fails},
        {"hexadecimal prefix", "&H10", fails},
        {"currency sign after", "5 \xE2\x82\xAC", fails},
        {"currency sign before", "$5", fails},
        {"unicode minus",
         "\xE2\x88\x92"
         "5",
         fails},
        {"full-width digit", "\xEF\xBC\x91", fails},
        {"superscript two", "\xC2\xB2", fails},
        {"embedded NUL",
         std::string("1\0"
                     "2",
                     3),
         fails},
        {"letter after digits", "12a", fails},
    });
}

TEST(TextToInt16Test, StaysCorrectForVeryLongTexts)
{
    const std::string megabyte(1 << 20, '7');
    const std::string zeros(1 << 20, '0');
    expectConversions({
        {"a hundred leading zeros", std::string(100, '0') + "12", 12},
        {"a megabyte of digits", megabyte, fails},
        {"a megabyte of zeros", zeros, 0},
        {"a megabyte of zeros then a digit", zeros + "5", 5},
        {"long fraction just above half", "2,5" + zeros + "1", 3},
        {"long fraction below half", "2,4" + megabyte, 2},
        {"a megabyte of blanks", std::string(1 << 20, ' '), fails},
        {"a blank after a megabyte of zeros", zeros + " 9", fails},
        {"blanks around", std::string(1 << 19, ' ') + "9" + std::string(1 << 19, '\t'), 9},
    });
}

} // namespace
