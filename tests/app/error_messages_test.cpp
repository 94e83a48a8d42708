// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/error_messages.h"

#include "app/message_box_error_reporter.h"
#include "plot/graph_catalogue.h"
#include "window_driver.h"

#include <QMessageBox>

namespace {

using app::testing::WindowDriver;

// The overflow message names the acceleration, the graph and the range the graph can draw:
// 181 * 181 = 32761 is the largest square in 16 bits, 2 * 127 * 127 = 32258 the largest P product.
TEST(ErrorMessagesTest, OverflowNamesTheAccelerationTheGraphAndItsRange)
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
            app::overflowMessage(plot::graphForButton(row.button), row.acceleration);
        SCOPED_TRACE(message);
        EXPECT_EQ(message.rfind("Überlauf: ", 0), 0U) << "no error number for the learner";
        for (const char* part : row.parts) {
            EXPECT_NE(message.find(part), std::string::npos) << part;
        }
    }
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

// The real reporter: the box opens only after the click has run, without a nested event loop
// (the click returns before the box exists), and not modal, so the window stays closable.
TEST(MessageBoxErrorReporterTest, OpensABoxAfterTheClick)
{
    WindowDriver driver(false);
    auto& reporter = dynamic_cast<app::MessageBoxErrorReporter&>(driver.window.errorReporter());
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
    EXPECT_EQ(box->windowModality(), Qt::NonModal);
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
