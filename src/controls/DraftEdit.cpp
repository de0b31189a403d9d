// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftEdit.h"

#include "DraftEditAccessible.h"

#include <QKeyEvent>

DraftEdit::DraftEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    DraftEditAccessible::Install();
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void DraftEdit::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // Desktops differ in which of the two they bind to redo; a writer may expect either.
    if ((event->key() == Qt::Key_Y && modifiers == Qt::ControlModifier) ||
        (event->key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier))) {
        redo();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
