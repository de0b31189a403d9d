// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WritingDesk.h"

#include "DraftEdit.h"
#include "DraftText.h"
#include "Highlight.h"
#include "MenuButton.h"
#include "UiFonts.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QWheelEvent>

namespace {

constexpr int NearView = 2000; // characters either side of the view that are marked too

const QString MarkName = QStringLiteral("記入箇所");

template <typename Button = QPushButton>
Button* Command(const QString& text, int y, QWidget* parent)
{
    auto* button = new Button(text, parent);
    button->setGeometry(PageLayout::InBlockLeft - WritingDesk::PageArea.x(), y,
                        PageLayout::InBlockWidth, 38);
    button->setAutoDefault(false);
    button->setAccessibleName(text);
    return button;
}

} // namespace

WritingDesk::WritingDesk(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("desk"));
    setAccessibleName(QStringLiteral("下書きの机"));
    resize(PageArea.size());
    // The desk keeps its clicks and wheel turns: none leafs the samples below or hands
    // the keys to the pager.
    setAttribute(Qt::WA_NoMousePropagation);
    const int area = PageLayout::BlockLeft - PageArea.x() - 1; // the draft's width

    m_draft = new DraftEdit(this);
    m_draft->setObjectName(QStringLiteral("draft"));
    m_draft->setAccessibleName(QStringLiteral("下書き"));
    QFont font = UiFonts::Slot();
    font.setPointSize(12);
    m_draft->setFont(font);
    m_draft->setGeometry(0, 0, area, 160);
    m_draft->verticalScrollBar()->setAccessibleName(QStringLiteral("下書きのスクロール"));
    m_draft->setPlaceholderText(
        QStringLiteral("文例の「下書きへ」で、ここに文例を集めて書き直せます。"));

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("draftCount"));
    m_count->setGeometry(0, 164, 222, 24);
    // Its buddy names the chooser to screen readers that go by labels.
    auto* limitLabel = new QLabel(QStringLiteral("上限"), this);
    limitLabel->setGeometry(228, 164, 36, 24);
    limitLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    limitLabel->setAccessibleName(QStringLiteral("字数の上限"));
    m_limit = new QComboBox(this);
    m_limit->setObjectName(QStringLiteral("draftLimit"));
    m_limit->setAccessibleName(QStringLiteral("字数の上限"));
    m_limit->setGeometry(266, 165, 100, 22);
    // A wheel turn changes the limit only once the chooser has the keys.
    m_limit->setFocusPolicy(Qt::StrongFocus);
    m_limit->installEventFilter(this);
    limitLabel->setBuddy(m_limit);
    for (int limit : DraftText::Limits())
        m_limit->addItem(limit ? DraftText::Characters(limit) : QStringLiteral("上限なし"), limit);
    m_marks = new QLabel(this);
    m_marks->setObjectName(QStringLiteral("draftMarks"));
    m_marks->setGeometry(374, 164, area - 374, 24);
    m_marks->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_next = Command(QStringLiteral("次の") + MarkName, 6, this);
    m_next->setShortcut(Qt::Key_F3);
    m_next->setToolTip(QStringLiteral("次の%1を選びます（F3）").arg(MarkName));
    m_copy = Command(QStringLiteral("コピー"), 52, this);
    m_save = Command(QStringLiteral("保存…"), 98, this);
    m_more = Command<MenuButton>(QStringLiteral("その他 ▾"), 144, this);
    m_more->setObjectName(QStringLiteral("more"));
    m_more->setAccessibleName(QStringLiteral("その他の操作"));
    m_more->Menu()->setAccessibleName(m_more->accessibleName());
    m_clear = new QAction(QStringLiteral("消去"), this);
    AddMoreAction(m_clear);
    setTabOrder(m_draft, m_limit);
    setTabOrder(m_limit, m_next);
    setTabOrder(m_next, m_copy);
    setTabOrder(m_copy, m_save);
    setTabOrder(m_save, m_more);

    m_message.setSingleShot(true);
    connect(&m_message, &QTimer::timeout, this, &WritingDesk::Refresh);
    connect(m_draft->document(), &QTextDocument::contentsChanged, this, [this] {
        m_message.stop(); // a passing message gives way to the draft's own state
        Refresh();
    });
    connect(m_limit, &QComboBox::currentIndexChanged, this, &WritingDesk::Refresh);
    connect(m_draft->verticalScrollBar(), &QScrollBar::valueChanged, this, &WritingDesk::Refresh);
    connect(m_next, &QPushButton::clicked, this, &WritingDesk::SelectNextMark);
    connect(m_copy, &QPushButton::clicked, this, &WritingDesk::Copy);
    connect(m_save, &QPushButton::clicked, this, &WritingDesk::Save);
    connect(m_clear, &QAction::triggered, this, &WritingDesk::Clear);
    Refresh();
}

int WritingDesk::Limit() const
{
    return m_limit->currentData().toInt();
}

void WritingDesk::Add(const QString& sample)
{
    QTextCursor cursor(m_draft->document());
    cursor.movePosition(QTextCursor::End);
    const QString appendix = DraftText::Appendix(m_draft->toPlainText(), sample);
    const int separator = appendix.startsWith(u'\n') ? 1 : 0;
    const int start = cursor.position() + separator;
    // One step for undo, however many paragraphs the sample has.
    cursor.beginEditBlock();
    cursor.insertText(appendix);
    cursor.endEditBlock();

    // Scrolled to where the sample begins, then its first mark selected to type over.
    cursor.setPosition(start);
    m_draft->setTextCursor(cursor);
    m_draft->ensureCursorVisible();
    const QList<DraftText::Run> runs =
        DraftText::Placeholders(QStringView(appendix).mid(separator));
    if (runs.isEmpty()) {
        cursor.movePosition(QTextCursor::End);
    } else {
        cursor.setPosition(start + int(runs.first().start));
        cursor.setPosition(start + int(runs.first().start + runs.first().length),
                           QTextCursor::KeepAnchor);
    }
    m_draft->setTextCursor(cursor);
    m_draft->ensureCursorVisible();
    m_draft->setFocus(Qt::OtherFocusReason);
}

bool WritingDesk::HasUnsavedText() const
{
    const QString text = m_draft->toPlainText();
    return !text.isEmpty() && text != m_saved;
}

void WritingDesk::MarkSaved()
{
    m_saved = m_draft->toPlainText();
}

bool WritingDesk::Save()
{
    const std::optional<DraftFile::Target> target = m_file.Choose(window());
    if (!target)
        return false;
    const QString text = m_draft->toPlainText();
    QString reason;
    if (!m_file.Write(*target, text, &reason)) {
        emit SaveFailed(reason);
        return false;
    }
    m_saved = text;
    Say(QStringLiteral("保存しました"));
    return true;
}

void WritingDesk::AddMoreAction(QAction* action)
{
    m_more->Menu()->addAction(action);
    // On the desk too, so its shortcut works while the menu is closed.
    addAction(action);
}

QMenu* WritingDesk::MoreMenu() const
{
    return m_more->Menu();
}

bool WritingDesk::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_limit && event->type() == QEvent::Wheel && !m_limit->hasFocus()) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void WritingDesk::Refresh()
{
    const QString text = m_draft->toPlainText();
    const int count = DraftText::Count(text);
    const int limit = Limit();
    const QString status = DraftText::Status(count, limit);
    if (m_count->text() != status) {
        m_count->setText(status);
        QPalette p = palette();
        if (DraftText::Over(count, limit))
            p.setColor(QPalette::WindowText, Highlight::Warning);
        m_count->setPalette(p);
        m_count->setAccessibleName(QStringLiteral("下書きの字数 ") + status);
        QAccessibleEvent changed(m_count, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }

    QList<QTextEdit::ExtraSelection> marks;
    const QList<DraftText::Run> runs = DraftText::Placeholders(text);
    const QTextCharFormat mark = Highlight::Mark();
    // Only the marks in and near the view: a pasted draft may hold thousands, and the
    // editor redraws every extra selection on each keystroke. Scrolling marks the rest.
    const int first = m_draft->cursorForPosition(QPoint(0, 0)).position() - NearView;
    const int last =
        m_draft
            ->cursorForPosition(QPoint(m_draft->viewport()->width(), m_draft->viewport()->height()))
            .position() +
        NearView;
    for (const DraftText::Run& run : runs) {
        if (run.start + run.length < first || run.start > last)
            continue;
        QTextEdit::ExtraSelection selection{QTextCursor(m_draft->document()), mark};
        selection.cursor.setPosition(int(run.start));
        selection.cursor.setPosition(int(run.start + run.length), QTextCursor::KeepAnchor);
        marks << selection;
    }
    // The part past the limit, so the writer sees where to cut.
    if (const qsizetype over = DraftText::OverflowStart(text, limit); over >= 0) {
        QTextEdit::ExtraSelection selection{QTextCursor(m_draft->document()),
                                            Highlight::Background(Highlight::OverLimitBackground)};
        selection.cursor.setPosition(int(over));
        selection.cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        marks.prepend(selection);
    }
    m_draft->setExtraSelections(marks);

    if (!m_message.isActive())
        ShowMarks(runs.isEmpty() ? QString()
                                 : MarkName + QStringLiteral(" 残り %1").arg(runs.size()));
}

void WritingDesk::ShowMarks(const QString& text)
{
    m_marks->setText(text);
    m_marks->setAccessibleName(text.isEmpty() ? MarkName + QStringLiteral(" なし") : text);
}

void WritingDesk::SelectNextMark()
{
    QTextCursor cursor = m_draft->textCursor();
    const auto run = DraftText::NextPlaceholder(m_draft->toPlainText(), cursor.selectionEnd());
    if (!run) {
        Say(MarkName + QStringLiteral("はもう残っていません"));
        return;
    }
    cursor.setPosition(int(run->start));
    cursor.setPosition(int(run->start + run->length), QTextCursor::KeepAnchor);
    m_draft->setTextCursor(cursor);
    m_draft->ensureCursorVisible();
    m_draft->setFocus(Qt::OtherFocusReason);
}

void WritingDesk::Copy()
{
    const QString text = m_draft->toPlainText();
    QGuiApplication::clipboard()->setText(text);
    m_saved = text;
    Say(QStringLiteral("コピーしました（%1）").arg(DraftText::Characters(DraftText::Count(text))));
}

void WritingDesk::Clear()
{
    QTextCursor cursor(m_draft->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText(); // through the cursor, so undo brings it back
}

void WritingDesk::Say(const QString& message)
{
    m_message.start(MessageMilliseconds);
    ShowMarks(message);
    QAccessibleEvent announce(m_marks, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&announce);
}
