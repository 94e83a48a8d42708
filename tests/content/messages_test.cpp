// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/messages.h"

#include "plot/graph_catalogue.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace {

// The overflow message names the acceleration, the graph and the range the graph can draw:
// 181 * 181 = 32761 is the largest square in 16 bits, 2 * 127 * 127 = 32258 the largest P product.
TEST(MessagesTest, OverflowNamesTheAccelerationTheGraphAndItsRange)
{
    struct Row
    {
        plot::GraphButton button;
        std::int16_t acceleration;
        const char* parts[3];
    };
    const Row rows[] = {
        {plot::GraphButton::Command2, 200, {"a = 200", "„E kin“", "von -181 bis 181"}},
        {plot::GraphButton::Command4, -128, {"a = -128", "„P“", "von -127 bis 127"}},
    };
    for (const Row& row : rows) {
        const std::string message =
            content::overflowMessage(plot::graphForButton(row.button), row.acceleration);
        SCOPED_TRACE(message);
        EXPECT_EQ(message.rfind("Überlauf: ", 0), 0U) << "no error number for the learner";
        for (const char* part : row.parts) {
            EXPECT_NE(message.find(part), std::string::npos) << part;
        }
    }
}

// The learner's text is quoted as it stands: cut only at a character boundary, and never read
// as a part of the message's own pattern.
TEST(MessagesTest, RejectedTextIsQuotedAsItStands)
{
    struct Row
    {
        const char* name;
        std::string text;
        std::string quoted;
    };
    const Row rows[] = {
        {"short", "abc", "„abc“"},
        {"a pattern's marker", "%1%2%4", "„%1%2%4“"},
        {"an umlaut across the cut", std::string(29, '1') + "ä" + std::string(40, 'a'),
         "„" + std::string(29, '1') + "…“"},
        {"thirty bytes", std::string(30, 'x'), "„" + std::string(30, 'x') + "“"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message = content::rejectedTextMessage(row.text, -5);
        EXPECT_EQ(message, row.quoted + " ist keine ganze Zahl von -32768 bis 32767. Die "
                                        "Beschleunigung bleibt -5.");
    }
}

TEST(AccelerationLegendTest, NamesTheAccelerationsInOrderUpToADozen)
{
    std::vector<std::int16_t> thirteen(13);
    std::iota(thirteen.begin(), thirteen.end(), std::int16_t{1});
    const std::vector<std::int16_t> twelve(thirteen.begin(), thirteen.end() - 1);
    struct Row
    {
        const char* name;
        std::vector<std::int16_t> accelerations;
        const char* legend;
    };
    const Row rows[] = {
        {"none", {}, ""},
        {"one", {20}, "a = 20"},
        {"three, in the given order", {10, 40, 20}, "a = 10; 40; 20"},
        {"the ends of the range", {-32768, 0, 32767}, "a = -32768; 0; 32767"},
        {"a dozen", twelve, "a = 1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12"},
        {"thirteen", thirteen, "a = 1; 2; 3; 4; 5; 6; 7; 8; 9; 10; 11; 12; …"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(content::accelerationLegend(row.accelerations), row.legend);
    }
}

} // namespace
