// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/worksheet_copy.h"

#include "panel_render.h"
#include "tests/support/pixel_count.h"

#include <gtest/gtest.h>

namespace {

using panels::testing::PanelSet;
using test_support::darkPixels;

constexpr int scale = panels::worksheetScale;
constexpr int diagramHeight = 333 * scale;
constexpr int oneLineStrip = panels::worksheetLegendLineHeight * scale;

// s-curves of a = 10, 20 and 40, the last with its dots and bars. Between rows 152 and 188
// (s = 0.169 to 0.225) the curve of a = 20 alone crosses columns 88 to 110, more down than
// across, so each device row there holds one run of 4 pixels.
TEST(WorksheetCopyTest, DrawsThePanelAfreshAtFourTimesItsSize)
{
    PanelSet set;
    for (const std::int16_t a : std::vector<std::int16_t>{10, 20, 40}) {
        set.run(plot::GraphButton::Command1, a);
    }
    const QImage copy = panels::worksheetCopy(set.panel(3));
    ASSERT_EQ(copy.size(), QSize(233 * scale, diagramHeight + oneLineStrip));
    EXPECT_EQ(copy.devicePixelRatio(), 1.0);

    for (int y = 152 * scale; y < 188 * scale; ++y) {
        ASSERT_EQ(darkPixels(copy, QRect(88 * scale, y, 22 * scale, 1)), scale)
            << "device row " << y;
    }
    // The time axis, rows 295 and 296, is 8 device rows; the disc of a = 40 at (56, 264).
    EXPECT_EQ(darkPixels(copy, QRect(150 * scale, 293 * scale, 1, 6 * scale)), 2 * scale);
    EXPECT_EQ(copy.pixelColor(56 * scale + 2, 264 * scale + 2), Qt::black);

    // Glyphs drawn at this size have edges finer than a logical pixel: some 4 x 4 block of the
    // formula label is not of one colour, as it would be in a picture scaled up.
    const auto oneColour = [&copy](int column, int row) {
        for (int y = row * scale; y < (row + 1) * scale; ++y) {
            for (int x = column * scale; x < (column + 1) * scale; ++x) {
                if (copy.pixel(x, y) != copy.pixel(column * scale, row * scale)) {
                    return false;
                }
            }
        }
        return true;
    };
    int finerThanAPixel = 0;
    for (int row = 0; row < 17; ++row) {
        for (int column = 16; column < 193; ++column) {
            finerThanAPixel += oneColour(column, row) ? 0 : 1;
        }
    }
    EXPECT_GT(finerThanAPixel, 0);
    const QRect strip(0, diagramHeight, copy.width(), oneLineStrip);
    EXPECT_GT(darkPixels(copy, strip), 0) << "the legend";

    set.panel(3).clearCurves();
    const QImage cleared = panels::worksheetCopy(set.panel(3));
    EXPECT_EQ(darkPixels(cleared, QRect(88 * scale, 152 * scale, 22 * scale, 36 * scale)), 0)
        << "no curve after a clear";
    EXPECT_EQ(darkPixels(cleared, strip), 0) << "no numbers after a clear";
}

TEST(WorksheetCopyTest, ALongLegendWrapsWithinThePanelsWidth)
{
    PanelSet set;
    for (int a = -32768; a < -32755; ++a) {
        set.run(plot::GraphButton::Command1, static_cast<std::int16_t>(a));
    }
    const QImage wrapped = panels::worksheetCopy(set.panel(3));
    const int strip = wrapped.height() - diagramHeight;
    EXPECT_GT(strip, oneLineStrip) << "wrapped onto more lines";
    EXPECT_EQ(strip % oneLineStrip, 0);
    // Nothing of the text beyond the panel's width less its margin of 8.
    EXPECT_EQ(darkPixels(wrapped, QRect(225 * scale, diagramHeight, 8 * scale, strip)), 0);
    EXPECT_GT(darkPixels(wrapped,
                         QRect(0, wrapped.height() - oneLineStrip, wrapped.width(), oneLineStrip)),
              0)
        << "the last line";
}

} // namespace
