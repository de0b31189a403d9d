// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManuscriptView.h"

#include "DraftText.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>

namespace {

// A long draft is laid out again once typing pauses, not at every key.
constexpr qsizetype LongDraft = 20000;
constexpr int PauseMilliseconds = 200;

} // namespace

ManuscriptView::ManuscriptView(QWidget* parent)
    : QAbstractScrollArea(parent), m_sheet(ManuscriptGrid(20, 20), 0)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("manuscriptView"));
    setAccessibleName(QStringLiteral("原稿用紙で見た下書き"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Mid);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setAccessibleName(QStringLiteral("原稿用紙のスクロール"));
    horizontalScrollBar()->setAccessibleName(QStringLiteral("原稿用紙の横スクロール"));
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &ManuscriptView::Refresh);
    SetGrid(ManuscriptGrid(20, 20), 0);
}

void ManuscriptView::Follow(QTextDocument* draft)
{
    if (m_draft)
        disconnect(m_draft, nullptr, this, nullptr);
    m_draft = draft;
    if (m_draft)
        connect(m_draft, &QTextDocument::contentsChanged, this, &ManuscriptView::Schedule);
    Schedule();
}

void ManuscriptView::SetGrid(const ManuscriptGrid& grid, int allowedLines)
{
    m_sheet = ManuscriptSheet(grid, allowedLines);
    m_allowedLines = allowedLines;
    setWindowTitle(QStringLiteral("原稿用紙で見る（%1字×%2行）")
                       .arg(grid.Columns())
                       .arg(grid.LinesPerSheet()));
    // Big enough for a whole sheet where the screen has room; larger grids scroll.
    const QSize content = ContentSize();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    resize(std::min(content.width() + bar + 2, 1200), std::min(content.height() + 2, 680));
    m_stale = true;
    Schedule();
}

QString ManuscriptView::Status() const
{
    const int count = DraftText::Count(m_sheet.Text());
    if (m_allowedLines <= 0)
        return QStringLiteral("%1 字 ／ %2 行").arg(count).arg(m_sheet.Lines());
    return ManuscriptGrid::Status(count, m_sheet.Lines(), m_allowedLines);
}

void ManuscriptView::Schedule()
{
    m_stale = true;
    // A hidden view lays out when shown.
    if (!isVisible())
        return;
    const bool longDraft = m_draft && m_draft->characterCount() > LongDraft;
    m_pending.start(longDraft ? PauseMilliseconds : 0);
}

void ManuscriptView::Refresh()
{
    m_pending.stop();
    m_sheet.SetText(m_draft ? m_draft->toPlainText() : QString());
    m_stale = false;
    const QString status = Status();
    if (status != m_status) {
        m_status = status;
        setAccessibleDescription(status);
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    UpdateScrollBars();
    viewport()->update();
}

QSize ManuscriptView::ContentSize() const
{
    const QSizeF sheet = m_sheet.SheetSize(Square);
    const int sheets = m_sheet.Sheets();
    return QSize(qCeil(sheet.width()) + 2 * Gap, sheets * (qCeil(sheet.height()) + Gap) + Gap);
}

void ManuscriptView::UpdateScrollBars()
{
    const QSize content = ContentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(Square);
    verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(Square);
}

void ManuscriptView::keyPressEvent(QKeyEvent* event)
{
    // A window beside the main one: Escape puts it away, as a dialog's would.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void ManuscriptView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.setRenderHint(QPainter::TextAntialiasing);
    const int step = qCeil(m_sheet.SheetSize(Square).height()) + Gap;
    const QSize content = ContentSize();
    const int x = std::max(Gap, (viewport()->width() - content.width()) / 2 + Gap) -
                  horizontalScrollBar()->value();
    const int top = Gap - verticalScrollBar()->value();
    const QFont font = ManuscriptSheet::Face(Square);
    // Only the sheets the damaged area touches.
    const QRect damaged = event->rect();
    const int first = std::max(0, (damaged.top() - top) / step);
    for (int index = first; index < m_sheet.Sheets(); ++index) {
        const int y = top + index * step;
        if (y > damaged.bottom())
            break;
        m_sheet.Paint(painter, index + 1, QPointF(x, y), Square, font, m_status);
    }
}

void ManuscriptView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ManuscriptView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ManuscriptView::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    if (m_stale)
        Refresh();
}
