// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "winsys/error_reporter.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace app {

// Shows each error in a message box over the window, opened without a nested event loop once
// the current interaction has ended: if a mouse button is down (the focus left the
// acceleration box on a press), the box waits for the release, so that the click which caused
// the report still runs. A message still waiting when the window goes is dropped: after
// "Ende" the rejected text no longer matters.
class MessageBoxErrorReporter : public QObject, public winsys::ErrorReporter
{
    Q_OBJECT
public:
    explicit MessageBoxErrorReporter(QWidget* window);
    void reportError(const std::string& message) override;

    // The box last opened, while it is open.
    QMessageBox* openBox() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWhenIdle();
    void showPending();

    QWidget* m_window;
    QString m_pending;
    bool m_waitingForRelease = false;
    QPointer<QMessageBox> m_box;
};

} // namespace app
