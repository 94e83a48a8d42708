// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_box_error_reporter.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QWidget>

namespace app {

MessageBoxErrorReporter::MessageBoxErrorReporter(QWidget* window)
    : QObject(window), m_window(window)
{}

QMessageBox* MessageBoxErrorReporter::openBox() const
{
    return m_box.data();
}

void MessageBoxErrorReporter::reportError(const std::string& message)
{
    // Two errors of one interaction (a rejected text, then the click's overflow) are shown
    // together in one box.
    const QString text = QString::fromStdString(message);
    m_pending = m_pending.isEmpty() ? text : m_pending + QStringLiteral("\n\n") + text;
    showWhenIdle();
}

void MessageBoxErrorReporter::showWhenIdle()
{
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        if (!m_waitingForRelease) {
            m_waitingForRelease = true;
            qApp->installEventFilter(this);
        }
        return;
    }
    QMetaObject::invokeMethod(this, &MessageBoxErrorReporter::showPending, Qt::QueuedConnection);
}

bool MessageBoxErrorReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (m_waitingForRelease && event->type() == QEvent::MouseButtonRelease) {
        m_waitingForRelease = false;
        qApp->removeEventFilter(this);
        // Queued behind the release, so the click it completes runs first.
        QMetaObject::invokeMethod(this, &MessageBoxErrorReporter::showPending,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void MessageBoxErrorReporter::showPending()
{
    if (!m_window->isVisible()) {
        m_pending.clear(); // the window has gone, and the program with it
        return;
    }
    if (m_pending.isEmpty() || m_waitingForRelease) {
        return;
    }
    if (m_box) {
        m_box->close();
    }
    m_box = new QMessageBox(QMessageBox::Warning, m_window->windowTitle(), m_pending,
                            QMessageBox::Ok, m_window);
    m_box->setObjectName(QStringLiteral("ErrorMessage"));
    m_box->setAttribute(Qt::WA_DeleteOnClose);
    // Not modal (open() would make it window-modal): Qt drops a close request on a window that
    // a modal box blocks, and the close box must always end the program.
    m_box->setWindowModality(Qt::NonModal);
    m_pending.clear();
    m_box->show();
}

} // namespace app
