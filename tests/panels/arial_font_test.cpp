// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/arial_font.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

TEST(ArialFontTest, NamesArialOrItsInstalledTwin)
{
    struct Case
    {
        const char* name;
        QStringList installed;
        const char* expected;
    };
    const Case cases[] = {
        {"Arial installed", {"DejaVu Sans", "Arial", "Liberation Sans"}, "Arial"},
        {"Arial spelt otherwise", {"arial", "Liberation Sans"}, "Arial"},
        {"only the twin", {"DejaVu Sans", "Liberation Sans"}, "Liberation Sans"},
        {"twin spelt otherwise", {"liberation sans"}, "Liberation Sans"},
        {"neither", {"DejaVu Sans"}, "Arial"},
        {"no fonts", {}, "Arial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(panels::arialFamily(c.installed).toStdString(), c.expected);
    }
}

TEST(ArialFontTest, GivesTheSizeAndWeightAsked)
{
    const QFont bold = panels::arialFont(16, QFont::Bold);
    EXPECT_EQ(bold.pixelSize(), 16);
    EXPECT_EQ(bold.weight(), QFont::Bold);
    const QFont tick = panels::arialFont(11);
    EXPECT_EQ(tick.pixelSize(), 11);
    EXPECT_EQ(tick.weight(), QFont::Normal);
    // Whichever name is chosen, the font that draws is a metric twin of Arial on this machine.
    const QString drawn = QFontInfo(tick).family();
    EXPECT_TRUE(drawn == QStringLiteral("Arial") || drawn == QStringLiteral("Liberation Sans"))
        << drawn.toStdString();
}

} // namespace
