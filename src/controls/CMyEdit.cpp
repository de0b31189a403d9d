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

void CMyEdit::SetSampleText(const QString& text)
{
    m_text = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    verticalScrollBar()->setValue(0);
    MarkPlaceholders();
}

void CMyEdit::MarkPlaceholders()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (m_text.contains(Placeholder)) {
        QTextCharFormat format;
        format.setForeground(QColor(204, 0, 0));
        format.setBackground(QColor(255, 240, 160));
        const QString plain = document()->toPlainText();
        for (qsizetype i = plain.indexOf(Placeholder); i >= 0;
             i = plain.indexOf(Placeholder, i + 1)) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(document());
            mark.cursor.setPosition(int(i));
            mark.cursor.setPosition(int(i + 1), QTextCursor::KeepAnchor);
            mark.format = format;
            marks << mark;
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
    // Nothing to scroll: let the page under it have the wheel.
    if (verticalScrollBar()->maximum() <= verticalScrollBar()->minimum()) {
        event->ignore();
        return;
    }
    // A sample with more to show keeps the wheel, even at either end of its text.
    QPlainTextEdit::wheelEvent(event);
    event->accept();
}
