#include "window_driver.h"

#include "panels/graph_panel.h"
#include "panels/qt_window_system.h"
#include "panels/worksheet_copy.h"
#include "plot/graph_catalogue.h"
#include "plot/plot_run.h"

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

namespace {

using app::testing::WindowDriver;

struct SummaryRow
{
    const char* button;
    const char* acceleration;
    int panel;
    const char* summary;
};

// The statements of the last run, "·" standing for a line break.
TEST(SummaryTest, TellsTheIncrementsOfTheLastRunLineByLine)
{
    const SummaryRow rows[] = {
        {"Command1", "20", 3,
         "a = 20 · Zuwachs 0 bis 0,05: 0,025 · Zuwachs 0,15 bis 0,2: 0,175 · Verhältnis 1 : 7"},
        {"Command2", "20", 2,
         "a = 20 · Zuwachs 0 bis 0,05: 0,04 · Zuwachs 0,15 bis 0,2: 0,28 · Verhältnis 1 : 7"},
        {"Command3", "-20", 0,
         "a = -20 · Zuwachs 0 bis 0,05: -1 · Zuwachs 0,15 bis 0,2: -1 · Verhältnis 1 : 1"},
        {"Command4", "0", 1,
         "a = 0 · Zuwachs 0 bis 0,05: 0 · Zuwachs 0,15 bis 0,2: 0 · kein Zuwachs"},
        {"Command1", "40", 3,
         "a = 40 · Zuwachs 0 bis 0,05: 0,05 · Zuwachs 0,15 bis 0,2: nicht erreicht · die Kurve "
         "verlässt das Diagramm vorher"},
        {"Command3", "32767", 0,
         "a = 32767 · Zuwachs 0 bis 0,05: nicht erreicht · Zuwachs 0,15 bis 0,2: nicht erreicht · "
         "die Kurve verlässt das Diagramm vorher"},
        {"Command4", "128", 1,
         "a = 128 · nichts gezeichnet: Überlauf, · dieser Graph zeichnet nur · Beschleunigungen "
         "von -127 bis 127"},
    };
    WindowDriver driver;
    for (const SummaryRow& row : rows) {
        SCOPED_TRACE(std::string(row.button) + " " + row.acceleration);
        driver.typeIntoText1(QString::fromLatin1(row.acceleration));
        driver.click(row.button);
        const panels::GraphPanel& panel = driver.window.panel(row.panel);
        // One statement per line, each about as wide as the panel.
        const QString tooltip = panel.toolTip();
        for (const QString& line : tooltip.split('\n')) {
            EXPECT_LE(line.size(), 40) << line.toStdString();
        }
        EXPECT_EQ(
            tooltip.toStdString(),
            QString::fromUtf8(row.summary).replace(QStringLiteral(" · "), "\n").toStdString());
    }
}

TEST(SummaryTest, SaysNothingIsDrawnBeforeAnyRunAndAfterAReset)
{
    WindowDriver driver;
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(driver.window.panel(index).toolTip(), "Nichts gezeichnet");
    }
    driver.click("Command1");
    ASSERT_NE(driver.window.panel(3).toolTip(), "Nichts gezeichnet");
    driver.click("Command5");
    EXPECT_EQ(driver.window.panel(3).toolTip(), "Nichts gezeichnet");
    EXPECT_EQ(driver.window.panel(3).accessibleDescription(),
              "Nichts gezeichnet. Formel: s gleich 0,5 a mal t Quadrat");
}

TEST(SummaryTest, HoveringThePanelShowsItAsATooltip)
{
    WindowDriver driver;
    driver.click("Command1");
    panels::GraphPanel& panel = driver.window.panel(3);
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
    const panels::PanelArray graphPanels = panels::createGraphPanels(&bare);
    panels::QtWindowSystem windows(graphPanels);
    plot::plotRun(plot::graphForButton(plot::GraphButton::Command1), 20, windows);
    EXPECT_EQ(driver.window.panel(3).grab().toImage(), graphPanels[3]->grab().toImage());
}

// What a screen reader reads: the accessible interfaces' names and descriptions.
QString accessibleText(QObject* object, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible != nullptr ? accessible->text(kind) : QStringLiteral("(no interface)");
}

TEST(SummaryTest, EachRunIsAnnouncedAndEveryControlHasAName)
{
    WindowDriver driver;
    panels::GraphPanel& panel = driver.window.panel(0);
    QStringList announcements;
    QObject::connect(&panel, &panels::GraphPanel::announced, &driver.window,
                     [&](const QString& spoken) { announcements << spoken; });
    driver.click("Command3");
    // v = a t: it grows by 20 * 0.05 = 1 in each interval.
    const QString spokenRun = QStringLiteral(
        "a gleich 20. Zuwachs von 0 bis 0,05: 1. Zuwachs von 0,15 bis 0,2: 1. Verhältnis 1 zu 1");
    EXPECT_EQ(accessibleText(&panel, QAccessible::Description),
              spokenRun + QStringLiteral(". Formel: v gleich a mal t"));
    driver.click("Command5");
    EXPECT_EQ(accessibleText(&panel, QAccessible::Description),
              "Nichts gezeichnet. Formel: v gleich a mal t");
    ASSERT_EQ(announcements.size(), 2) << "one announcement for the run, one for the reset";
    EXPECT_EQ(announcements[0], spokenRun);
    EXPECT_EQ(announcements[1], "Nichts gezeichnet");

    const std::pair<const char*, const char*> names[] = {
        {"Command1", "s"},
        {"Command2", "E kin"},
        {"Command3", "v"},
        {"Command4", "P"},
        {"Command5", "zurücksetzen"},
        {"Command6", "Ende"},
        {"Text1", "Beschleunigung"},
        {"Label17", "Hier können Sie die Beschleunigung ändern:"},
    };
    for (const auto& [object, name] : names) {
        EXPECT_EQ(accessibleText(driver.find(object), QAccessible::Name), QString::fromUtf8(name))
            << object;
    }
    EXPECT_EQ(accessibleText(&driver.window.panel(2), QAccessible::Name),
              QString::fromUtf8("Diagramm E kin über t"));
}

TEST(CopyPanelTest, CtrlCCopiesTheShownPanelAsAnImage)
{
    WindowDriver driver;
    driver.click("Command2");
    QGuiApplication::clipboard()->clear();
    driver.key(Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QGuiApplication::clipboard()->image();
    panels::GraphPanel& panel = driver.window.panel(2);
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
