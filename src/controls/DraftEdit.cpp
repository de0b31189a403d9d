// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftEdit.h"

#include "DraftEditAccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>

DraftEdit::DraftEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    DraftEditAccessible::Install();
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (m_textFontPending && !document()->isEmpty())
            TakeTextFont();
    });
}

void DraftEdit::SetTextFont(const QFont& font)
{
    if (!m_textFontSet)
        m_hintFont = this->font();
    m_textFontSet = true;
    m_textFont = font;
    m_textFontPending = true;
    if (hasFocus() || !document()->isEmpty())
        TakeTextFont();
}

void DraftEdit::TakeTextFont()
{
    m_textFontPending = false;
    setFont(m_textFont);
}

void DraftEdit::focusInEvent(QFocusEvent* event)
{
    // The caret is as tall as the text it will write.
    if (m_textFontPending)
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
        if (m_textFontSet)
            painter.setFont(m_hintFont);
        painter.setClipRect(event->rect());
        const int margin = int(document()->documentMargin());
        style()->drawItemText(&painter, viewport()->rect().adjusted(margin, margin, 0, 0),
                              Qt::AlignTop | Qt::TextWordWrap, palette(), true, m_hint,
                              QPalette::NoRole);
    }
    QPlainTextEdit::paintEvent(event);
}
