// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/announcer.h"

#include "panels/accessible_role.h"

namespace panels {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setAccessibleRole("panels::Announcer", QAccessible::Notification);
    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

} // namespace panels
