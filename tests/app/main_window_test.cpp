#include "window_driver.h"

#include "panels/panel_shape.h"

#include <QLabel>
#include <QTimer>

namespace {

using app::testing::WindowDriver;
using winsys::Shape;

TEST(MainWindowTest, StartsWithItsCaptionSizeAndStartValue)
{
    WindowDriver driver;
    EXPECT_EQ(driver.window.windowTitle(), "Beschleunigungskurven");
    EXPECT_EQ(driver.window.objectName(), "GrafersteSeite");
    EXPECT_EQ(driver.window.size(), QSize(331, 333));
    EXPECT_EQ(driver.window.minimumSize(), driver.window.maximumSize()) << "fixed size";
    EXPECT_EQ(driver.text1(), "20");
    EXPECT_EQ(driver.window.acceleration(), 20);
    EXPECT_EQ(driver.window.property("acceleration").toInt(), 20);
    EXPECT_EQ(driver.focusName(), "Command1");
    // The first view: the s-panel alone, empty, without markers.
    EXPECT_TRUE(driver.window.panel(3).isVisible());
    EXPECT_FALSE(driver.window.panel(3).hasCurves());
    for (int index : {0, 1, 2}) {
        EXPECT_FALSE(driver.window.panel(index).isVisible());
    }
    for (Shape marker : winsys::markerShapes) {
        EXPECT_FALSE(driver.window.panel(3).shape(marker)->isShown());
    }
}

TEST(MainWindowTest, ControlsStandInOneColumnWithTheirCaptions)
{
    WindowDriver driver;
    struct Row
    {
        const char* name;
        const char* caption;
        int top;
        int height;
    };
    const Row rows[] = {
        {"Command1", "s", 0, 33},
        {"Command2", "E kin", 40, 33},
        {"Command3", "v", 80, 33},
        {"Command4", "P", 120, 33},
        {"Command5", "zurücksetzen", 160, 25},
        {"Command6", "Ende", 296, 33},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* button = driver.find<QPushButton>(row.name);
        EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(button->geometry(), QRect(248, row.top, 81, row.height));
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
        // The face, inside the bevel and away from the caption.
        const QImage face = button->grab().toImage();
        EXPECT_EQ(face.pixelColor(4, 4).name().toStdString(), "#ffff80");
    }
    const auto* label = driver.find<QLabel>("Label17");
    EXPECT_EQ(label->text(), QString::fromUtf8("Hier können Sie die Be- schleunigung ändern:"));
    EXPECT_EQ(label->geometry(), QRect(248, 192, 81, 65));
    EXPECT_EQ(driver.find("Text1")->geometry(), QRect(248, 264, 81, 25));
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(driver.window.panel(index).geometry(), QRect(0, 0, 233, 333));
    }
}

// Greedy wrapping at the blanks, as the label does, with the label's font in its 81 pixels:
// the second line ends with "Be-" and the third starts with "schleunigung".
TEST(MainWindowTest, InstructionWrapsAfterTheHyphen)
{
    WindowDriver driver;
    const auto* label = driver.find<QLabel>("Label17");
    const QFontMetrics metrics(label->font());
    const QString text = label->text();
    QStringList lines;
    QString line;
    for (const QString& word : text.split(' ')) {
        const QString candidate = line.isEmpty() ? word : line + ' ' + word;
        if (metrics.horizontalAdvance(candidate) > 81 && !line.isEmpty()) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines[1].endsWith("Be-")) << lines.join('|').toStdString();
    EXPECT_TRUE(lines[2].startsWith("schleunigung")) << lines.join('|').toStdString();
}

TEST(MainWindowTest, TabVisitsTheControlsInOrderSkippingHiddenPanels)
{
    WindowDriver driver;
    const QStringList expected = {"Command2", "Command3", "Command4", "Picture1(3)",
                                  "Text1",    "Command5", "Command6", "Command1"};
    QStringList seen;
    for (int step = 0; step < expected.size(); ++step) {
        driver.key(Qt::Key_Tab);
        seen << driver.focusName();
    }
    EXPECT_EQ(seen.join(' ').toStdString(), expected.join(' ').toStdString());

    // After a v-run panel 0 is the shown one; Backtab walks the order backwards.
    driver.click("Command3");
    seen.clear();
    for (int step = 0; step < 3; ++step) {
        driver.key(Qt::Key_Backtab);
        seen << driver.focusName();
    }
    EXPECT_EQ(seen.join(' ').toStdString(), "Command2 Command1 Command6");
    for (int step = 0; step < 5; ++step) {
        driver.key(Qt::Key_Tab);
    }
    EXPECT_EQ(driver.focusName(), "Picture1(0)");
}

TEST(MainWindowTest, EnterInText1PressesNoButton)
{
    WindowDriver driver;
    driver.typeIntoText1("35");
    driver.key(Qt::Key_Return);
    driver.key(Qt::Key_Enter);
    driver.key(Qt::Key_Escape);
    EXPECT_EQ(driver.focusName(), "Text1");
    EXPECT_EQ(driver.window.acceleration(), 20) << "nothing validated";
    for (int index = 0; index < 4; ++index) {
        EXPECT_FALSE(driver.window.panel(index).hasCurves()) << "nothing plotted";
    }
}

TEST(MainWindowTest, ClickingALabelOrTheBackgroundKeepsTheFocus)
{
    WindowDriver driver;
    driver.typeIntoText1("35");
    driver.click("Label17");
    EXPECT_EQ(driver.focusName(), "Text1");
    QTest::mouseClick(driver.window.windowHandle(), Qt::LeftButton, {}, QPoint(240, 100));
    EXPECT_EQ(driver.focusName(), "Text1");
    EXPECT_EQ(driver.window.acceleration(), 20);
}

TEST(MainWindowTest, EndeAndTheCloseBoxEndTheEventLoopWithZero)
{
    for (bool byButton : {true, false}) {
        SCOPED_TRACE(byButton ? "Ende" : "close box");
        WindowDriver driver;
        driver.click("Command1");
        QTimer::singleShot(0, &driver.window, [&driver, byButton] {
            if (byButton) {
                driver.click("Command6");
            } else {
                driver.window.windowHandle()->close();
            }
        });
        EXPECT_EQ(QApplication::exec(), 0);
        EXPECT_FALSE(driver.window.isVisible());
    }
}

} // namespace
