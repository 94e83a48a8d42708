// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include "panels/panel_shape.h"

#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>

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
    EXPECT_TRUE(driver.window.board().panel(3).isVisible());
    EXPECT_FALSE(driver.window.board().panel(3).hasCurves());
    for (int index : {0, 1, 2}) {
        EXPECT_FALSE(driver.window.board().panel(index).isVisible());
    }
    for (Shape marker : winsys::markerShapes) {
        EXPECT_FALSE(driver.window.board().panel(3).shape(marker)->isShown());
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
        EXPECT_EQ(driver.window.board().panel(index).geometry(), QRect(0, 0, 233, 333));
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
        EXPECT_FALSE(driver.window.board().panel(index).hasCurves()) << "nothing plotted";
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

// As the desktop asks a window to close (close box, Alt+F4, the window manager): a request
// that Qt drops while a modal box blocks the window, unlike QWindow::close().
void requestClose(QWidget& window)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window.windowHandle());
}

// Every way out, with a rejected text in the box, ends the event loop with exit code 0 and
// leaves no window of the program on the screen. "Ende" ends without the rejection message.
TEST(MainWindowTest, EveryWayOutEndsTheProgramWithZero)
{
    enum class Way { ClickEnde, SpaceOnEndeAfterTab, ClickEndeOverABox, CloseOverABox, Close };
    const std::pair<const char*, Way> rows[] = {
        {"click on Ende", Way::ClickEnde},
        {"Tab, Tab, Space on Ende", Way::SpaceOnEndeAfterTab},
        {"click on Ende while a message is open", Way::ClickEndeOverABox},
        {"close request while a message is open", Way::CloseOverABox},
        {"close request", Way::Close},
    };
    for (const auto& [name, way] : rows) {
        SCOPED_TRACE(name);
        WindowDriver driver(false);
        driver.click("Command1");
        driver.typeIntoText1("abc");
        const auto openBox = [&driver] {
            driver.key(Qt::Key_Tab); // to Command5: the text is rejected
            EXPECT_TRUE(QTest::qWaitFor([] {
                const auto boxes = QApplication::topLevelWidgets();
                return std::any_of(boxes.begin(), boxes.end(), [](const QWidget* box) {
                    return qobject_cast<const QMessageBox*>(box) != nullptr && box->isVisible();
                });
            })) << "the rejection message is open";
        };
        QTimer::singleShot(0, &driver.window, [&, way = way] {
            switch (way) {
            case Way::ClickEnde:
                driver.click("Command6");
                break;
            case Way::SpaceOnEndeAfterTab:
                driver.key(Qt::Key_Tab);
                driver.key(Qt::Key_Tab);
                driver.key(Qt::Key_Space);
                break;
            case Way::ClickEndeOverABox:
                openBox();
                driver.click("Command6");
                break;
            case Way::CloseOverABox:
                openBox();
                requestClose(driver.window);
                break;
            case Way::Close:
                requestClose(driver.window);
                break;
            }
        });
        QTimer watchdog; // a way out that fails must not hang the tests
        watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        EXPECT_EQ(QApplication::exec(), 0);
        for (const QWidget* topLevel : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(topLevel->isVisible()) << topLevel->metaObject()->className();
        }
    }
}

} // namespace
