// SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/line_edit_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace app {

namespace {

QAccessibleInterface* createForLineEdit(const QString& className, QObject* object)
{
    if (className != QLatin1String("QLineEdit")) {
        return nullptr;
    }
    return new LineEditAccessible(static_cast<QLineEdit*>(object));
}

} // namespace

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

void LineEditAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&createForLineEdit);
        return true;
    }();
    static_cast<void>(installed);
}

QLineEdit* LineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit*>(widget());
}

QString LineEditAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) {
        return lineEdit()->text();
    }
    return QAccessibleWidget::text(kind);
}

void LineEditAccessible::setText(QAccessible::Text kind, const QString& text)
{
    if (kind == QAccessible::Value) {
        lineEdit()->setText(text);
        return;
    }
    QAccessibleWidget::setText(kind, text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !lineEdit()->isReadOnly();
    state.readOnly = lineEdit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && lineEdit()->hasSelectedText()) {
        *startOffset = lineEdit()->selectionStart();
        *endOffset = lineEdit()->selectionEnd();
    }
}

int LineEditAccessible::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        lineEdit()->deselect();
    }
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
    }
}

int LineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const
{
    return static_cast<int>(lineEdit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    // Measured from the caret, which already holds the box's margins and scrolling: Qt's
    // caret rectangle is centred on the caret line. Screen coordinates, as assistive
    // technology expects them.
    const QString text = lineEdit()->text();
    if (offset < 0 || offset >= text.size()) {
        return {};
    }
    const QFontMetrics metrics(lineEdit()->font());
    const QRect caret = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = caret.center().x() + metrics.horizontalAdvance(text.left(offset)) -
                     metrics.horizontalAdvance(text.left(lineEdit()->cursorPosition()));
    const QPoint topLeft = lineEdit()->mapToGlobal(QPoint(left, caret.y()));
    return {topLeft, QSize(metrics.horizontalAdvance(text.at(offset)), caret.height())};
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The box scrolls to show the caret: first the end, then the start of the substring.
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // The box has one font and one colour: a single run without attributes of its own.
    const int count = characterCount();
    const bool inside = offset >= 0 && offset <= count;
    *startOffset = inside ? 0 : offset;
    *endOffset = inside ? count : offset;
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    lineEdit()->setText(lineEdit()->text().remove(startOffset, endOffset - startOffset));
}

void LineEditAccessible::insertText(int offset, const QString& text)
{
    lineEdit()->setText(lineEdit()->text().insert(offset, text));
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}

} // namespace app
