// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/float_text.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

std::string toCharsText(float value)
{
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

struct TextRow
{
    const char* name;
    float value;
    const char* text;
};

TEST(FloatTextTest, WritesWhatToCharsWrites)
{
    const TextRow rows[] = {
        {"segment end", 295.972222F, "295.97223"},
        {"whole", 296.0F, "296"},
        {"negative zero", -0.0F, "-0"},
        {"fixed on a tie of lengths", 1.3e6F, "1300000"},
        {"whole above 2^24 with every digit", 123456792.0F, "123456792"},
        {"scientific when shorter", 1e10F, "1e+10"},
        {"small fraction", 0.001F, "0.001"},
        {"smaller fraction", 1e-5F, "1e-05"},
        {"largest", std::numeric_limits<float>::max(), "3.4028235e+38"},
        {"smallest subnormal", std::numeric_limits<float>::denorm_min(), "1e-45"},
        {"infinite", -std::numeric_limits<float>::infinity(), "-inf"},
        {"NaN with its sign bit set", -std::numeric_limits<float>::quiet_NaN(), "-nan"},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(winsys::shortestFloatText(row.value), row.text);
        EXPECT_EQ(toCharsText(row.value), row.text);
    }
}

TEST(FloatTextTest, AgreesWithToCharsOverTheWholeRange)
{
    // Every 65537th bit pattern, both signs and every exponent, and the floats next to each
    // power of two, where the rounding interval is narrower below than above.
    for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFU; bits += 65537U) {
        const auto value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        ASSERT_EQ(winsys::shortestFloatText(value), toCharsText(value)) << std::hexfloat << value;
    }
    for (int exponent = -149; exponent <= 127; ++exponent) {
        const float power = std::ldexp(1.0F, exponent);
        for (float value : {std::nextafter(power, 0.0F), power,
                            std::nextafter(power, std::numeric_limits<float>::infinity())}) {
            ASSERT_EQ(winsys::shortestFloatText(-value), toCharsText(-value)) << value;
            ASSERT_EQ(winsys::shortestFloatText(value), toCharsText(value)) << value;
        }
    }
}

} // namespace
