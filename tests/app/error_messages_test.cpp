#include "app/error_messages.h"

#include "plot/graph_catalogue.h"
#include "window_driver.h"
#include "winsys/qt/message_box_error_reporter.h"

#include <QMessageBox>

namespace {

using app::testing::WindowDriver;

TEST(ErrorMessagesTest, SayWhatHappenedAndWhatStays)
{
    const auto& kinetic = plot::graphForButton(plot::GraphButton::Command2);
    const auto& power = plot::graphForButton(plot::GraphButton::Command4);
    EXPECT_EQ(app::overflowMessage(kinetic, 200),
              "Überlauf (Fehler 6): Mit a = 200 wird die Rechnung für „E kin“ zu groß, es wurde "
              "nichts gezeichnet. Dieser Graph kann Beschleunigungen von -181 bis 181 zeichnen.");
    EXPECT_NE(app::overflowMessage(power, -128).find("a = -128"), std::string::npos);
    EXPECT_NE(app::overflowMessage(power, -128).find("von -127 bis 127"), std::string::npos);
    EXPECT_EQ(app::rejectedTextMessage("abc", 20),
              "„abc“ ist keine ganze Zahl von -32768 bis 32767. Die Beschleunigung bleibt 20.");
}

TEST(ErrorMessagesTest, LongTextsAreShortenedAtACharacterBoundary)
{
    const std::string umlauts(40, 'a');
    const std::string text = std::string(29, '1') + "ä" + umlauts;
    const std::string message = app::rejectedTextMessage(text, 5);
    EXPECT_LT(message.size(), 120U);
    EXPECT_NE(message.find(std::string(29, '1') + "…“"), std::string::npos) << message;
    EXPECT_TRUE(QString::fromStdString(message).isValidUtf16());
}

// The real reporter: the box opens only after the click has run, window-modal, without a
// nested event loop (the click returns before the box exists).
TEST(MessageBoxErrorReporterTest, OpensAWindowModalBoxAfterTheClick)
{
    WindowDriver driver(false);
    auto& reporter = dynamic_cast<winsys::MessageBoxErrorReporter&>(driver.window.errorReporter());
    driver.typeIntoText1("abc");
    QWindow* window = driver.window.windowHandle();
    const QPoint button = driver.centreOf(driver.find("Command1"));

    QTest::mousePress(window, Qt::LeftButton, {}, button);
    QCoreApplication::processEvents();
    EXPECT_EQ(driver.text1(), "20") << "validated on the press";
    EXPECT_EQ(reporter.openBox(), nullptr) << "the box waits for the release";
    EXPECT_FALSE(driver.window.panel(3).hasCurves());

    // Connected after the window's own handler, so it runs when that handler has ended.
    bool boxOpenAfterHandler = true;
    QObject::connect(driver.find<QPushButton>("Command1"), &QPushButton::clicked, &driver.window,
                     [&] { boxOpenAfterHandler = reporter.openBox() != nullptr; });
    QTest::mouseRelease(window, Qt::LeftButton, {}, button);
    EXPECT_TRUE(driver.window.panel(3).hasCurves()) << "the click ran with the kept value";
    EXPECT_FALSE(boxOpenAfterHandler) << "not opened inside the click";
    QCoreApplication::processEvents();
    QMessageBox* box = reporter.openBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(box->text().contains(QString::fromUtf8("„abc“")));

    box->accept();
    QCoreApplication::processEvents();
    driver.activate();
    driver.typeIntoText1("182");
    driver.click("Command2");
    QCoreApplication::processEvents();
    ASSERT_NE(reporter.openBox(), nullptr);
    EXPECT_TRUE(reporter.openBox()->text().contains(QStringLiteral("Überlauf")));
    reporter.openBox()->accept();
}

} // namespace
