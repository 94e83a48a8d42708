// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/grafersteseite.h"
#include "panels/graph_panel.h"
#include "panels/panel_board.h"
#include "winsys/recording_error_reporter.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app::testing {

// The real window, shown and active, driven like a learner: mouse events and key events go
// through the window, so the focus moves on a press and a click fires on the release.
class WindowDriver
{
public:
    explicit WindowDriver(bool recordErrors = true)
        : window(recordErrors ? std::make_unique<winsys::RecordingErrorReporter>(messages)
                              : nullptr)
    {
        window.load();
        window.show();
        activate();
    }

    // As the desktop does when a box over the window closes.
    void activate()
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <typename Widget = QWidget> Widget* find(const char* name) const
    {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QPoint centreOf(const QWidget* widget) const
    {
        return widget->mapTo(&window, widget->rect().center());
    }

    void click(const QWidget* widget)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centreOf(widget));
    }
    void click(const char* name) { click(find(name)); }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }

    // Clicks into Text1, selects all and types the text (nothing leaves Text1 yet).
    void typeIntoText1(const QString& text)
    {
        click("Text1");
        key(Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty()) {
            key(Qt::Key_Delete);
        } else {
            QTest::keyClicks(find("Text1"), text);
        }
    }

    QString text1() const { return find<QLineEdit>("Text1")->text(); }
    QString focusName() const
    {
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) {
            return QStringLiteral("(none)");
        }
        const QVariant index = focus->property("index");
        return focus->objectName() +
               (index.isValid() ? QStringLiteral("(%1)").arg(index.toInt()) : QString());
    }

    std::vector<std::string> messages;
    app::GrafersteSeite window;
};

} // namespace app::testing
