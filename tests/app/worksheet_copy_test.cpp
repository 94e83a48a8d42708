#include "window_driver.h"

#include "panels/worksheet_copy.h"
#include "tests/support/pixel_count.h"

#include <QClipboard>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace {

using app::testing::WindowDriver;
using test_support::darkPixels;

constexpr int scale = 4;
const QSize copySize(233 * scale, 333 * scale + 24 * scale); // the diagram and one legend line
const QRect legendStrip(0, 333 * scale, copySize.width(), 24 * scale);

QImage copyWithCtrlC(WindowDriver& driver)
{
    QGuiApplication::clipboard()->clear();
    driver.key(Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

// The curve of a = 20, s = 10 t^2, passes rows 296 - 6400 t^2 = 260, 196 and 100 at the columns
// 68, 92 and 116 (t = 0.075, 0.125 and 0.175); at four times the size each of these points is
// a 4 x 4 block from (4 x, 4 y).
bool showsTheCurveOfTwenty(const QImage& copy)
{
    const std::pair<int, int> points[] = {{68, 260}, {92, 196}, {116, 100}};
    return std::all_of(std::begin(points), std::end(points), [&copy](const auto& point) {
        const auto [column, row] = point;
        return copy.pixelColor(column * scale + 1, row * scale + 1) == Qt::black &&
               copy.pixelColor(column * scale + 2, row * scale + 2) == Qt::black;
    });
}

TEST(WorksheetCopyTest, CtrlCCopiesTheShownPanelAtFourTimesItsSizeNamingItsAccelerations)
{
    using Accelerations = std::vector<std::int16_t>;
    WindowDriver driver;
    for (const char* acceleration : {"10", "20", "10", "40"}) {
        driver.typeIntoText1(acceleration);
        driver.click("Command1");
    }
    const panels::GraphPanel& distance = driver.window.panel(3);
    QImage copied = copyWithCtrlC(driver);
    ASSERT_EQ(copied.size(), copySize);
    EXPECT_TRUE(showsTheCurveOfTwenty(copied));
    EXPECT_NE(copied.pixelColor(92 * scale + 1, 200 * scale + 1), Qt::black) << "off the curves";
    EXPECT_EQ(distance.drawnAccelerations(), (Accelerations{10, 20, 40}));
    EXPECT_EQ(panels::worksheetLegend(distance.drawnAccelerations()).toStdString(),
              "a = 10; 20; 40");
    EXPECT_GT(darkPixels(copied, legendStrip), 0);

    driver.click("Command5"); // zurücksetzen
    copied = copyWithCtrlC(driver);
    ASSERT_EQ(copied.size(), copySize);
    EXPECT_FALSE(showsTheCurveOfTwenty(copied));
    EXPECT_TRUE(distance.drawnAccelerations().empty());
    EXPECT_EQ(darkPixels(copied, legendStrip), 0) << "no numbers after a reset";

    // A panel shown again starts afresh; a run that overflows draws nothing and names nothing.
    driver.typeIntoText1("30");
    driver.click("Command1");
    driver.typeIntoText1("40");
    driver.click("Command3");
    driver.click("Command1");
    EXPECT_EQ(distance.drawnAccelerations(), Accelerations{40});
    driver.typeIntoText1("181");
    driver.click("Command2");
    driver.typeIntoText1("182");
    driver.click("Command2");
    EXPECT_EQ(driver.window.panel(2).drawnAccelerations(), Accelerations{181});
}

} // namespace
