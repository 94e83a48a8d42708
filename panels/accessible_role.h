// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

namespace panels {

// Gives every widget of the named class (as its metaObject() names it, "panels::GraphPanel")
// this accessible role in place of the one Qt's own interface gives it; the name, description
// and states stay those of Qt's widget interface. Call it once the QApplication exists, before
// the first widget of the class is created: Qt keeps an interface once it has made one.
void setAccessibleRole(const char* className, QAccessible::Role role);

} // namespace panels
