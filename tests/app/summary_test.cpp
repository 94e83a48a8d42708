// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include "panels/graph_panel.h"
#include "panels/worksheet_copy.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include <vector>

namespace {

using app::testing::WindowDriver;

// The names of the notifications that appear, as a screen reader learns of them: Qt tells it
// with the widget's Show event.
class NotificationRecorder : public QObject
{
public:
    std::vector<QString> names;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(watched);
            if (accessible != nullptr && accessible->role() == QAccessible::Notification) {
                names.push_back(accessible->text(QAccessible::Name));
            }
        }
        return false;
    }
};

struct PressRow
{
    const char* button;
    const char* acceleration;
    bool bySpace; // else by a mouse click
    int panel;
    const char* summary; // the tooltip, "·" standing for a line break
    const char* spoken;
};

// Each press of a graph button or of "zurücksetzen" gives the panel the summary of what it now
// shows, one statement per line about as wide as the panel, and shows one notification that
// says it in words; the focus stays on the button.
TEST(SummaryTest, EachPressShowsAndSpeaksWhatThePanelNowShows)
{
    const PressRow rows[] = {
        {"Command1", "20", true, 3,
         "a = 20 · Zuwachs 0 bis 0,05: 0,025 · Zuwachs 0,15 bis 0,2: 0,175 · Verhältnis 1 : 7",
         "a gleich 20. Zuwachs von 0 bis 0,05: 0,025. Zuwachs von 0,15 bis 0,2: 0,175. "
         "Verhältnis 1 zu 7"},
        {"Command2", "20", false, 2,
         "a = 20 · Zuwachs 0 bis 0,05: 0,04 · Zuwachs 0,15 bis 0,2: 0,28 · Verhältnis 1 : 7",
         "a gleich 20. Zuwachs von 0 bis 0,05: 0,04. Zuwachs von 0,15 bis 0,2: 0,28. "
         "Verhältnis 1 zu 7"},
        {"Command3", "-20", true, 0,
         "a = -20 · Zuwachs 0 bis 0,05: -1 · Zuwachs 0,15 bis 0,2: -1 · Verhältnis 1 : 1",
         "a gleich minus 20. Zuwachs von 0 bis 0,05: minus 1. Zuwachs von 0,15 bis 0,2: minus "
         "1. Verhältnis 1 zu 1"},
        {"Command4", "0", true, 1,
         "a = 0 · Zuwachs 0 bis 0,05: 0 · Zuwachs 0,15 bis 0,2: 0 · kein Zuwachs",
         "a gleich 0. Zuwachs von 0 bis 0,05: 0. Zuwachs von 0,15 bis 0,2: 0. Kein Zuwachs"},
        {"Command1", "40", false, 3,
         "a = 40 · Zuwachs 0 bis 0,05: 0,05 · Zuwachs 0,15 bis 0,2: nicht erreicht · die Kurve "
         "verlässt das Diagramm vorher",
         "a gleich 40. Zuwachs von 0 bis 0,05: 0,05. Zuwachs von 0,15 bis 0,2: nicht erreicht. "
         "Die Kurve verlässt das Diagramm vorher"},
        {"Command3", "32767", true, 0,
         "a = 32767 · Zuwachs 0 bis 0,05: nicht erreicht · Zuwachs 0,15 bis 0,2: nicht erreicht · "
         "die Kurve verlässt das Diagramm vorher",
         "a gleich 32767. Zuwachs von 0 bis 0,05: nicht erreicht. Zuwachs von 0,15 bis 0,2: "
         "nicht erreicht. Die Kurve verlässt das Diagramm vorher"},
        {"Command4", "128", true, 1,
         "a = 128 · nichts gezeichnet: Überlauf, · dieser Graph zeichnet nur · Beschleunigungen "
         "von -127 bis 127",
         "a gleich 128. Nichts gezeichnet: Überlauf, dieser Graph zeichnet nur "
         "Beschleunigungen von minus 127 bis 127"},
        {"Command5", "128", true, 1, "Nichts gezeichnet", "Nichts gezeichnet"},
        {"Command5", "128", false, 1, "Nichts gezeichnet", "Nichts gezeichnet"},
    };
    WindowDriver driver;
    NotificationRecorder notifications;
    QApplication::instance()->installEventFilter(&notifications);
    for (const PressRow& row : rows) {
        SCOPED_TRACE(std::string(row.button) + " " + row.acceleration +
                     (row.bySpace ? " by Space" : " by a click"));
        driver.typeIntoText1(QString::fromLatin1(row.acceleration));
        auto* button = driver.find(row.button);
        if (row.bySpace) {
            button->setFocus(Qt::TabFocusReason);
        }
        notifications.names.clear();
        if (row.bySpace) {
            driver.key(Qt::Key_Space);
        } else {
            driver.click(button);
        }
        const QString tooltip = driver.window.board().panel(row.panel).toolTip();
        for (const QString& line : tooltip.split('\n')) {
            EXPECT_LE(line.size(), 40) << line.toStdString();
        }
        EXPECT_EQ(
            tooltip.toStdString(),
            QString::fromUtf8(row.summary).replace(QStringLiteral(" · "), "\n").toStdString());
        ASSERT_EQ(notifications.names.size(), 1U);
        EXPECT_EQ(notifications.names.front().toStdString(), row.spoken);
        EXPECT_EQ(QApplication::focusWidget(), button);
    }
    QApplication::instance()->removeEventFilter(&notifications);
}

TEST(SummaryTest, SaysNothingIsDrawnBeforeAnyRun)
{
    WindowDriver driver;
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(driver.window.board().panel(index).toolTip(), "Nichts gezeichnet");
    }
}

TEST(SummaryTest, HoveringThePanelShowsItAsATooltip)
{
    WindowDriver driver;
    driver.click("Command1");
    panels::GraphPanel& panel = driver.window.board().panel(3);
    const QPoint inside(100, 100);
    QHelpEvent help(QEvent::ToolTip, inside, panel.mapToGlobal(inside));
    QApplication::sendEvent(&panel, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), panel.toolTip());
    QToolTip::hideText();
}

// The window's panel after a run is pixel for pixel the panel drawn by the run alone.
TEST(SummaryTest, NothingAppearsOnThePanelItself)
{
    WindowDriver driver;
    driver.click("Command1");
    QWidget bare;
    panels::PanelBoard board(&bare);
    plot::plotRun(plot::graphForButton(plot::GraphButton::Command1), 20, board);
    EXPECT_EQ(driver.window.board().panel(3).grab().toImage(), board.panel(3).grab().toImage());
}

// A screen reader reads the panel's accessible description: the last run in words, then the
// formula.
TEST(SummaryTest, TheDescriptionSaysTheLastRunInWords)
{
    WindowDriver driver;
    driver.click("Command3");
    QAccessibleInterface* panel =
        QAccessible::queryAccessibleInterface(&driver.window.board().panel(0));
    ASSERT_NE(panel, nullptr);
    // v = a t: it grows by 20 * 0.05 = 1 in each interval.
    EXPECT_EQ(panel->text(QAccessible::Description),
              QStringLiteral("a gleich 20. Zuwachs von 0 bis 0,05: 1. Zuwachs von 0,15 bis 0,2: 1. "
                             "Verhältnis 1 zu 1. Formel: v gleich a mal t"));
}

TEST(CopyPanelTest, CtrlCCopiesTheShownPanelAsAnImage)
{
    WindowDriver driver;
    driver.click("Command2");
    QGuiApplication::clipboard()->clear();
    driver.key(Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    panels::GraphPanel& panel = driver.window.board().panel(2);
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
              panels::worksheetCopy(panel).convertToFormat(QImage::Format_RGB32));

    // In Text1 without a selection the panel is copied too; with one, the selected text.
    driver.click("Text1");
    driver.key(Qt::Key_End);
    QGuiApplication::clipboard()->clear();
    driver.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    driver.key(Qt::Key_A, Qt::ControlModifier);
    driver.key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "20");
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

} // namespace
