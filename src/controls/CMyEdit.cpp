#include "CMyEdit.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

namespace {
constexpr QChar Placeholder = u'\u25CB';
}

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

    // The selection is drawn only while the box has the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Base));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::Text));
    setPalette(p);
}

void CMyEdit::SetSampleText(const QString& text, const QList<SearchQuery::Hit>& hits)
{
    m_text = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    verticalScrollBar()->setValue(0);
    MarkText(hits);
}

void CMyEdit::MarkText(const QList<SearchQuery::Hit>& hits)
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
    if (m_text.contains(Placeholder)) {
        QTextCharFormat format;
        format.setForeground(QColor(204, 0, 0));
        format.setBackground(QColor(255, 240, 160));
        const QString plain = document()->toPlainText();
        for (qsizetype i = plain.indexOf(Placeholder); i >= 0;
             i = plain.indexOf(Placeholder, i + 1))
            mark(i, i + 1, format);
    }
    // A hit only colours the background, so a searched-for mark keeps its red.
    if (!hits.isEmpty()) {
        // The box shows CR LF as one break: where each unit of the text landed.
        QList<qsizetype> shownAt(m_text.size() + 1);
        qsizetype shown = 0;
        for (qsizetype i = 0; i < m_text.size(); ++i) {
            shownAt[i] = shown;
            if (!(m_text.at(i) == u'\r' && i + 1 < m_text.size() && m_text.at(i + 1) == u'\n'))
                ++shown;
        }
        shownAt[m_text.size()] = shown;
        QTextCharFormat format;
        format.setBackground(HitBackground);
        for (const SearchQuery::Hit& hit : hits) {
            const qsizetype end = hit.start + hit.length;
            if (hit.start >= 0 && hit.length > 0 && end <= m_text.size())
                mark(shownAt.at(hit.start), shownAt.at(end), format);
        }
    }
    setExtraSelections(marks);
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
    // The wheel scrolls this box's own text; it never spills over into paging.
    QPlainTextEdit::wheelEvent(event);
    event->accept();
}
