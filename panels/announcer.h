// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace panels {

// Makes a screen reader speak a text at once, wherever the keyboard focus is: an empty child
// of zero size with the accessible role of a notification, whose name is the text. Each
// announcement hides it, renames it and shows it again, and screen readers such as Orca speak
// a notification when it is shown. It draws nothing and takes neither focus nor mouse input.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

} // namespace panels
