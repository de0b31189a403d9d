// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftEditAccessible.h"

#include "DraftEdit.h"

#include <QTextBlock>

DraftEditAccessible::DraftEditAccessible(DraftEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{}

DraftEdit* DraftEditAccessible::Edit() const
{
    return static_cast<DraftEdit*>(widget());
}

QTextCursor DraftEditAccessible::Span(int start, int end) const
{
    const int last = characterCount();
    QTextCursor cursor(Edit()->document());
    cursor.setPosition(qBound(0, start, last));
    cursor.setPosition(qBound(0, end, last), QTextCursor::KeepAnchor);
    return cursor;
}

void* DraftEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::State DraftEditAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.multiLine = true;
    s.selectableText = true;
    s.focusable = true;
    return s;
}

QString DraftEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Edit()->toPlainText();
    return QAccessibleWidget::text(t);
}

void DraftEditAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    replaceText(0, characterCount(), text);
}

void DraftEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = Edit()->textCursor();
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int DraftEditAccessible::selectionCount() const
{
    return Edit()->textCursor().hasSelection() ? 1 : 0;
}

void DraftEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void DraftEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = Edit()->textCursor();
    cursor.clearSelection();
    Edit()->setTextCursor(cursor);
}

void DraftEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        Edit()->setTextCursor(Span(startOffset, endOffset));
}

int DraftEditAccessible::cursorPosition() const
{
    return Edit()->textCursor().position();
}

void DraftEditAccessible::setCursorPosition(int position)
{
    Edit()->setTextCursor(Span(position, position));
}

QString DraftEditAccessible::text(int startOffset, int endOffset) const
{
    // The document separates paragraphs with U+2029; a reader expects line breaks.
    return Span(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

int DraftEditAccessible::characterCount() const
{
    return Edit()->document()->characterCount() - 1; // without the final paragraph mark
}

QRect DraftEditAccessible::characterRect(int offset) const
{
    const QTextCursor cursor = Span(offset, offset);
    QRect rect = Edit()->cursorRect(cursor);
    const QString character = text(offset, offset + 1);
    rect.setWidth(Edit()->fontMetrics().horizontalAdvance(character.isEmpty() ? QStringLiteral(" ")
                                                                              : character));
    return QRect(Edit()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int DraftEditAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = Edit()->viewport()->mapFromGlobal(point);
    if (!Edit()->viewport()->rect().contains(local))
        return -1;
    return Edit()->cursorForPosition(local).position();
}

void DraftEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The caret goes there, as a click would put it.
    Edit()->setTextCursor(Span(endIndex, startIndex));
    Edit()->ensureCursorVisible();
}

QString DraftEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void DraftEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void DraftEditAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void DraftEditAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (Edit()->isReadOnly())
        return;
    QTextCursor cursor = Span(startOffset, endOffset);
    cursor.beginEditBlock(); // one step for undo, as a paste is
    cursor.insertText(text);
    cursor.endEditBlock();
}
