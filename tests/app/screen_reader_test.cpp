// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_driver.h"

#include <QAccessible>
#include <QLabel>

#include <cstring>

namespace {

using app::testing::WindowDriver;

QAccessibleInterface* accessibleOf(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(accessible, nullptr) << object->objectName().toStdString();
    return accessible;
}

struct ControlRow
{
    const char* object; // objectName, or "Picture1(i)" for a panel
    QAccessible::Role role;
    const char* name;        // UTF-8
    const char* description; // UTF-8
};

QObject* findControl(WindowDriver& driver, const char* object)
{
    const QString name = QString::fromLatin1(object);
    if (name == "GrafersteSeite") {
        return &driver.window;
    }
    if (name.startsWith("Picture1(")) {
        return &driver.window.board().panel(name.mid(9, 1).toInt());
    }
    return driver.find(object);
}

// The role, name and description a screen reader reads of each control before any run.
TEST(ScreenReaderTest, EveryControlHasARoleANameAndADescription)
{
    const ControlRow rows[] = {
        {"GrafersteSeite", QAccessible::Window, "Beschleunigungskurven", ""},
        {"Command1", QAccessible::Button, "s", "zeichnet den Weg s über der Zeit t"},
        {"Command2", QAccessible::Button, "E kin",
         "zeichnet die kinetische Energie E kin über der Zeit t"},
        {"Command3", QAccessible::Button, "v", "zeichnet die Geschwindigkeit v über der Zeit t"},
        {"Command4", QAccessible::Button, "P", "zeichnet die Leistung P über der Zeit t"},
        {"Command5", QAccessible::Button, "zurücksetzen",
         "löscht die Kurven des gezeigten Diagramms"},
        {"Command6", QAccessible::Button, "Ende", "beendet das Programm"},
        {"Picture1(0)", QAccessible::Chart, "Diagramm v über t",
         "Nichts gezeichnet. Formel: v gleich a mal t"},
        {"Picture1(1)", QAccessible::Chart, "Diagramm P über t",
         "Nichts gezeichnet. Formel: P gleich m mal a mal v"},
        {"Picture1(2)", QAccessible::Chart, "Diagramm E kin über t",
         "Nichts gezeichnet. Formel: E kin gleich 0,5 m mal v Quadrat"},
        {"Picture1(3)", QAccessible::Chart, "Diagramm s über t",
         "Nichts gezeichnet. Formel: s gleich 0,5 a mal t Quadrat"},
        {"Label17", QAccessible::StaticText, "Hier können Sie die Beschleunigung ändern:", ""},
        {"Text1", QAccessible::EditableText, "Beschleunigung", ""},
    };
    WindowDriver driver;
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.object);
        QAccessibleInterface* accessible = accessibleOf(findControl(driver, row.object));
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), row.role);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(row.name));
        EXPECT_EQ(accessible->text(QAccessible::Description), QString::fromUtf8(row.description));
    }
}

// Orca reads a text box by its label and by the text of its attribute runs; Qt's own
// interface gives runs of length 0, and Orca then drops the last character.
TEST(ScreenReaderTest, TheBoxIsLabelledByLabel17AndOneRunHoldsItsWholeText)
{
    WindowDriver driver;
    QAccessibleInterface* box = accessibleOf(driver.find("Text1"));
    ASSERT_NE(box, nullptr);
    const auto labels = box->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front().first->object(), driver.find("Label17"));

    for (const char* text : {"20", "-1234", "2,5", ""}) {
        SCOPED_TRACE(text);
        driver.typeIntoText1(QString::fromLatin1(text));
        QAccessibleTextInterface* boxText = box->textInterface();
        ASSERT_NE(boxText, nullptr);
        const int count = boxText->characterCount();
        EXPECT_EQ(count, static_cast<int>(std::strlen(text)));
        EXPECT_EQ(boxText->text(0, count), QString::fromLatin1(text));
        EXPECT_EQ(box->text(QAccessible::Value), QString::fromLatin1(text));
        for (int offset = 0; offset <= count; ++offset) {
            int start = -1;
            int end = -1;
            boxText->attributes(offset, &start, &end);
            EXPECT_EQ(start, 0) << "at " << offset;
            EXPECT_EQ(end, count) << "at " << offset;
        }
        // Each character stands right of the one before it, inside the box.
        const QRect boxArea(driver.find("Text1")->mapToGlobal(QPoint(0, 0)), QSize(81, 25));
        for (int offset = 0; offset < count; ++offset) {
            const QRect character = boxText->characterRect(offset);
            EXPECT_TRUE(boxArea.contains(character.center())) << "at " << offset;
            if (offset > 0) {
                EXPECT_GT(character.left(), boxText->characterRect(offset - 1).left());
            }
            // Left of the middle of a character is the caret position before it.
            EXPECT_EQ(boxText->offsetAtPoint(character.topLeft() + QPoint(0, 2)), offset);
        }
    }
}

} // namespace
