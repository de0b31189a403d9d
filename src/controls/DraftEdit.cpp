// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftEdit.h"

#include "AccessibleFactory.h"
#include "DraftEditAccessible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>

DraftEdit::DraftEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    InstallAccessibleFactory<DraftEdit, DraftEditAccessible>();
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void DraftEdit::SetTextFont(const QFont& font)
{
    m_textFont = font;
    disconnect(m_firstText);
    if (hasFocus() || !document()->isEmpty()) {
        TakeTextFont();
        return;
    }
    m_firstText = connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (!document()->isEmpty())
            TakeTextFont();
    });
}

void DraftEdit::TakeTextFont()
{
    disconnect(m_firstText);
    setFont(m_textFont);
}

void DraftEdit::focusInEvent(QFocusEvent* event)
{
    // The caret is as tall as the text it will write.
    if (m_firstText) // still waiting for its first text
        TakeTextFont();
    QPlainTextEdit::focusInEvent(event);
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

void DraftEdit::SetHint(const QString& hint)
{
    if (hint == m_hint)
        return;
    m_hint = hint;
    if (document()->isEmpty())
        viewport()->update();
}

void DraftEdit::paintEvent(QPaintEvent* event)
{
    // Where and as QPlainTextEdit draws its placeholder, under the caret, but through the
    // style, which keeps the line's layout.
    const QTextLayout* first = document()->firstBlock().layout();
    if (!m_hint.isEmpty() && document()->isEmpty() && first && first->preeditAreaText().isEmpty()) {
        QPainter painter(viewport());
        painter.setPen(palette().placeholderText().color());
        // In the face the edit inherits, whatever face its text has taken.
        painter.setFont(parentWidget() ? parentWidget()->font() : QApplication::font(this));
        painter.setClipRect(event->rect());
        const int margin = int(document()->documentMargin());
        style()->drawItemText(&painter, viewport()->rect().adjusted(margin, margin, 0, 0),
                              Qt::AlignTop | Qt::TextWordWrap, palette(), true, m_hint,
                              QPalette::NoRole);
    }
    QPlainTextEdit::paintEvent(event);
}
