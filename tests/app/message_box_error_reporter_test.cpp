// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_box_error_reporter.h"

#include "window_driver.h"

#include <QMessageBox>

namespace {

using app::testing::WindowDriver;

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
    EXPECT_FALSE(driver.window.board().panel(3).hasCurves());

    // Connected after the window's own handler, so it runs when that handler has ended.
    bool boxOpenAfterHandler = true;
    QObject::connect(driver.find<QPushButton>("Command1"), &QPushButton::clicked, &driver.window,
                     [&] { boxOpenAfterHandler = reporter.openBox() != nullptr; });
    QTest::mouseRelease(window, Qt::LeftButton, {}, button);
    EXPECT_TRUE(driver.window.board().panel(3).hasCurves()) << "the click ran with the kept value";
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
