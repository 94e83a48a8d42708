// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/accessible_role.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace panels {

namespace {

QHash<QString, QAccessible::Role>& rolesByClass()
{
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

// Qt asks the factories installed last first, once for each class name from the object's own
// up to QObject; the widget factory of Qt installs itself with the QApplication.
QAccessibleInterface* createWithRole(const QString& className, QObject* object)
{
    const auto found = rolesByClass().constFind(className);
    if (found == rolesByClass().constEnd() || !object->isWidgetType()) {
        return nullptr;
    }
    return new QAccessibleWidget(static_cast<QWidget*>(object), *found);
}

} // namespace

void setAccessibleRole(const char* className, QAccessible::Role role)
{
    static const bool installed = [] {
        QAccessible::installFactory(&createWithRole);
        return true;
    }();
    static_cast<void>(installed);
    rolesByClass().insert(QString::fromLatin1(className), role);
}

} // namespace panels
