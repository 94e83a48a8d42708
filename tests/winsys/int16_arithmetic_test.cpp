// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winsys/int16_arithmetic.h"

#include "winsys/runtime_error.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct ProductRow
{
    const char* name;
    std::int16_t left;
    std::int16_t right;
    std::optional<std::int16_t> product; // nullopt: the overflow error
};

// The limits of the E kin-graph (a * a) and the P-graph (2 * a, then (2 * a) * a).
const ProductRow productRows[] = {
    {"largest square that fits", 181, 181, 32761},
    {"smallest square that overflows", 182, 182, std::nullopt},
    {"negative square overflows too", -182, -182, std::nullopt},
    {"doubling 16383 fits", 2, 16383, 32766},
    {"doubling 16384 overflows", 2, 16384, std::nullopt},
    {"doubling -16384 reaches the minimum", 2, -16384, -32768},
    {"doubling -16385 overflows", 2, -16385, std::nullopt},
    {"2 * 127 * 127 fits", 254, 127, 32258},
    {"2 * 128 * 128 is one too many", 256, 128, std::nullopt},
    {"2 * -128 * -128 is one too many", -256, -128, std::nullopt},
    {"minimum times one", -32768, 1, -32768},
    {"minimum times minus one", -32768, -1, std::nullopt},
    {"minimum squared", -32768, -32768, std::nullopt},
    {"zero times minimum", 0, -32768, 0},
    {"exactly the minimum from two factors", -128, 256, -32768},
};

TEST(MultiplyCheckedTest, RaisesOverflowExactlyOutsideSixteenBits)
{
    for (const ProductRow& row : productRows) {
        SCOPED_TRACE(row.name);
        if (row.product) {
            EXPECT_EQ(winsys::multiplyChecked(row.left, row.right), *row.product);
            EXPECT_EQ(winsys::multiplyChecked(row.right, row.left), *row.product);
        } else {
            try {
                winsys::multiplyChecked(row.left, row.right);
                ADD_FAILURE() << "no overflow error";
            } catch (const winsys::RuntimeError& error) {
                EXPECT_EQ(static_cast<int>(error.number()), 6);
            }
        }
    }
}

} // namespace
