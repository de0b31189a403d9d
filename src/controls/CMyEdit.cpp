// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMyEdit.h"

#include "DraftText.h"
#include "Highlight.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

CMyEdit::CMyEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setUndoRedoEnabled(false);
    // A paragraph's layout frees its shaped glyphs once laid out, so every paint (a tab
    // switch, a scroll of the page) would shape the visible lines again. The text only
    // changes as a whole, so they are kept: told before the document lays out anew.
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
            block.layout()->setCacheEnabled(true);
    });

    // The selection is drawn only while the box has the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Base));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::Text));
    setPalette(p);
}

void CMyEdit::SetSampleText(const QString& text, const QList<SearchQuery::Hit>& hits)
{
    const bool same = text == m_text && !m_unfilled;
    const bool sameHits = same && hits == m_hits;
    m_text = text;
    m_hits = hits;
    m_unfilled = !isVisible();
    if (m_unfilled)
        return;
    if (!same) {
        Fill();
        return;
    }
    // The same sample again (the next keystroke of a search often keeps it): back to
    // its first line as for a new one, without setting and laying it out afresh, and
    // with only the hits that moved painted again.
    const QTextCursor cursor = textCursor();
    if (cursor.position() != 0 || cursor.hasSelection())
        setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
    if (!sameHits)
        MarkText();
}

void CMyEdit::SetTextFont(const QFont& font)
{
    m_textFont = font;
    m_fontPending = m_text.isEmpty();
    if (!m_fontPending)
        setFont(font);
}

void CMyEdit::Fill()
{
    m_unfilled = false;
    if (m_fontPending && !m_text.isEmpty()) {
        m_fontPending = false;
        setFont(m_textFont);
    }
    QString shown = m_text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // Straight into the document: QPlainTextEdit::setPlainText selects the whole text to
    // reapply its format, which lays out the first and last paragraphs only to throw the
    // layouts away again; the paint lays out what is visible once.
    document()->setPlainText(shown);
    setTextCursor(QTextCursor(document()));
    verticalScrollBar()->setValue(0);
    MarkText();
}

void CMyEdit::MarkText()
{
    QList<QTextEdit::ExtraSelection> marks;
    const auto mark = [this, &marks](qsizetype from, qsizetype to, const QTextCharFormat& format) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(document());
        selection.cursor.setPosition(int(from));
        selection.cursor.setPosition(int(to), QTextCursor::KeepAnchor);
        selection.format = format;
        marks << selection;
    };
    for (const DraftText::Run& run : DraftText::Placeholders(document()->toPlainText()))
        mark(run.start, run.start + run.length, Highlight::Mark());
    if (!m_hits.isEmpty()) {
        // The box shows CR LF as one break: where each unit of the text landed.
        QList<qsizetype> shownAt(m_text.size() + 1);
        qsizetype shown = 0;
        for (qsizetype i = 0; i < m_text.size(); ++i) {
            shownAt[i] = shown;
            if (!(m_text.at(i) == u'\r' && i + 1 < m_text.size() && m_text.at(i + 1) == u'\n'))
                ++shown;
        }
        shownAt[m_text.size()] = shown;
        const QTextCharFormat format = Highlight::Background(Highlight::HitBackground);
        for (const SearchQuery::Hit& hit : m_hits) {
            const qsizetype end = hit.start + hit.length;
            if (hit.start >= 0 && hit.length > 0 && end <= m_text.size())
                mark(shownAt.at(hit.start), shownAt.at(end), format);
        }
    }
    setExtraSelections(marks);
}

void CMyEdit::showEvent(QShowEvent* event)
{
    if (m_unfilled)
        Fill();
    QPlainTextEdit::showEvent(event);
}

void CMyEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    // Keep the reader's place: selecting to the end would otherwise scroll there.
    const int scrolled = verticalScrollBar()->value();
    selectAll();
    verticalScrollBar()->setValue(scrolled);
    setFocus(Qt::MouseFocusReason);
}

void CMyEdit::wheelEvent(QWheelEvent* event)
{
    // Nothing to scroll: let the page under it have the wheel.
    if (verticalScrollBar()->maximum() <= verticalScrollBar()->minimum()) {
        event->ignore();
        return;
    }
    // A sample with more to show keeps the wheel, even at either end of its text.
    QPlainTextEdit::wheelEvent(event);
    event->accept();
}
