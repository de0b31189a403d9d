// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WritingDesk.h"

#include "DraftEdit.h"
#include "DraftSheet.h"
#include "DraftText.h"
#include "GridSizeDialog.h"
#include "Highlight.h"
#include "ManuscriptSheet.h"
#include "ManuscriptView.h"
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
// The chooser's data for the entry that asks for a form's own grid.
constexpr int OwnGrid = -1;

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
    m_draft->SetTextFont(font);
    m_draft->setGeometry(0, 0, area, 136);
    m_draft->verticalScrollBar()->setAccessibleName(QStringLiteral("下書きのスクロール"));
    m_draft->SetHint(QStringLiteral("文例の「下書きへ」で、ここに文例を集めて書き直せます。"));

    // Two rows under the draft: the count with the places left, then the limit, whose
    // grids' names are long.
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("draftCount"));
    m_count->setGeometry(0, 140, 330, 22);
    // Its buddy names the chooser to screen readers that go by labels.
    auto* limitLabel = new QLabel(QStringLiteral("上限"), this);
    limitLabel->setGeometry(0, 164, 30, 24);
    limitLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    limitLabel->setAccessibleName(QStringLiteral("字数の上限"));
    m_limit = new QComboBox(this);
    m_limit->setObjectName(QStringLiteral("draftLimit"));
    m_limit->setAccessibleName(QStringLiteral("字数の上限"));
    // A wheel turn changes the limit only once the chooser has the keys.
    m_limit->setFocusPolicy(Qt::StrongFocus);
    m_limit->installEventFilter(this);
    limitLabel->setBuddy(m_limit);
    for (int limit : DraftText::Limits())
        m_limit->addItem(limit ? DraftText::Characters(limit) : QStringLiteral("上限なし"), limit);
    for (const ManuscriptGrid::Form& form : ManuscriptGrid::Forms())
        m_limit->addItem(form.Label(), QVariant::fromValue(form));
    m_limit->addItem(QStringLiteral("字数×行数を指定…"), OwnGrid);
    // As wide as its longest entry.
    m_limit->setGeometry(34, 165, m_limit->sizeHint().width(), 22);
    m_marks = new QLabel(this);
    m_marks->setObjectName(QStringLiteral("draftMarks"));
    m_marks->setGeometry(334, 140, area - 334, 22);
    m_marks->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_next = Command(QStringLiteral("次の") + MarkName, 6, this);
    m_next->setShortcut(Qt::Key_F3);
    m_next->setToolTip(QStringLiteral("次の%1を選びます（F3）").arg(MarkName));
    m_copy = Command(QStringLiteral("コピー"), 52, this);
    m_save = Command(QStringLiteral("保存…"), 98, this);
    m_more = Command<MenuButton>(QStringLiteral("その他 ▾"), 144, this);
    m_more->setObjectName(QStringLiteral("more"));
    m_more->setAccessibleName(QStringLiteral("その他の操作"));
    m_clear = new QAction(QStringLiteral("消去"), this);
    AddMoreAction(m_clear);
    m_showGrid = new QAction(QStringLiteral("原稿用紙で見る"), this);
    AddMoreAction(m_showGrid);
    m_print = new QAction(QStringLiteral("印刷…"), this);
    m_print->setShortcut(QKeySequence::Print);
    m_print->setToolTip(QStringLiteral("下書きを印刷します（Ctrl+P）"));
    AddMoreAction(m_print);
    m_askGrid = GridSizeDialog::Ask;
    // The PDF that 保存… writes is set on the grid chosen, as a print is.
    m_file.SetRender(QStringLiteral("pdf"), [this](const QString& text, QString* reason) {
        if (const std::optional<ManuscriptGrid::Form> form = Grid()) {
            ManuscriptSheet sheet(form->Grid(), form->Lines());
            sheet.SetText(text);
            return sheet.Pdf(Foot(text), reason);
        }
        return DraftSheet::Pdf(text, Foot(text), reason);
    });
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
    connect(m_limit, &QComboBox::currentIndexChanged, this, &WritingDesk::LimitChosen);
    connect(m_draft->verticalScrollBar(), &QScrollBar::valueChanged, this, &WritingDesk::Refresh);
    connect(m_next, &QPushButton::clicked, this, &WritingDesk::SelectNextMark);
    connect(m_copy, &QPushButton::clicked, this, &WritingDesk::Copy);
    connect(m_save, &QPushButton::clicked, this, &WritingDesk::Save);
    connect(m_clear, &QAction::triggered, this, &WritingDesk::Clear);
    connect(m_showGrid, &QAction::triggered, this, &WritingDesk::ShowGrid);
    connect(m_print, &QAction::triggered, this, &WritingDesk::Print);
    Refresh();
}

int WritingDesk::Limit() const
{
    const QVariant value = m_limit->currentData();
    return value.typeId() == QMetaType::Int ? std::max(0, value.toInt()) : 0;
}

std::optional<ManuscriptGrid::Form> WritingDesk::Grid() const
{
    const QVariant value = m_limit->currentData();
    if (value.typeId() != QMetaType::fromType<ManuscriptGrid::Form>().id())
        return std::nullopt;
    return value.value<ManuscriptGrid::Form>();
}

void WritingDesk::LimitChosen(int index)
{
    if (m_limit->itemData(index) == QVariant(OwnGrid)) {
        const std::optional<QSize> size = m_askGrid(window(), m_ownGrid);
        const QSignalBlocker quiet(m_limit);
        if (!size) {
            m_limit->setCurrentIndex(m_chosen); // as it was before
        } else {
            m_ownGrid = *size;
            const ManuscriptGrid::Form form{size->width(), size->height(), 1};
            const QVariant value = QVariant::fromValue(form);
            int found = m_limit->findData(value);
            if (found < 0) {
                // One entry of the form's own, just above the one that asks, kept for
                // the session.
                const int own = index - 1;
                const bool ownThere = !ManuscriptGrid::Forms().contains(
                    m_limit->itemData(own).value<ManuscriptGrid::Form>());
                if (ownThere) {
                    m_limit->setItemText(own, form.Label());
                    m_limit->setItemData(own, value);
                    found = own;
                } else {
                    m_limit->insertItem(index, form.Label(), value);
                    found = index;
                }
            }
            m_limit->setCurrentIndex(found);
            // Measured again with the new entry. Only now: following its entries, the
            // chooser makes its list's window at once, which the first frame need not.
            m_limit->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            m_limit->resize(m_limit->sizeHint().width(), m_limit->height());
        }
    }
    m_chosen = m_limit->currentIndex();
    if (m_view) {
        const std::optional<ManuscriptGrid::Form> form = Grid();
        m_view->SetGrid(form ? form->Grid() : ManuscriptGrid(20, 20), form ? form->Lines() : 0);
    }
    Refresh();
}

ManuscriptView* WritingDesk::ShowGrid()
{
    if (!m_view) {
        m_view = new ManuscriptView(window());
        const std::optional<ManuscriptGrid::Form> form = Grid();
        m_view->SetGrid(form ? form->Grid() : ManuscriptGrid(20, 20), form ? form->Lines() : 0);
        m_view->Follow(m_draft->document());
        // Ctrl+P prints from beside the desk too.
        m_view->addAction(m_print);
    }
    if (m_view->isVisible())
        m_view->raise(); // left open behind the main window
    m_view->show();
    m_view->activateWindow();
    return m_view;
}

bool WritingDesk::Print()
{
    const QString text = m_draft->toPlainText();
    std::optional<ManuscriptSheet> sheet;
    if (const std::optional<ManuscriptGrid::Form> form = Grid()) {
        sheet.emplace(form->Grid(), form->Lines());
        sheet->SetText(text);
    }
    QString reason;
    if (!DraftPrinter::Print(text, sheet ? &*sheet : nullptr, Foot(text), m_askPrint, window(),
                             &reason)) {
        if (!reason.isEmpty())
            emit PrintFailed(reason);
        return false;
    }
    Say(QStringLiteral("印刷しました"));
    return true;
}

QString WritingDesk::Foot(const QString& text) const
{
    const int count = DraftText::Count(text);
    const std::optional<ManuscriptGrid::Form> form = Grid();
    if (!form)
        return DraftText::Characters(count);
    return ManuscriptGrid::Status(count, form->Grid().Measure(text, 0).lines, form->Lines());
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
    m_more->AddAction(action);
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
    QString status = DraftText::Status(count, limit);
    bool over = DraftText::Over(count, limit);
    qsizetype overflow = DraftText::OverflowStart(text, limit);
    // On a grid the lines count, laid out by the rules a teacher checks.
    if (const std::optional<ManuscriptGrid::Form> form = Grid()) {
        const ManuscriptGrid::Extent extent = form->Grid().Measure(text, form->Lines(), &m_memo);
        status = ManuscriptGrid::Status(count, extent.lines, form->Lines());
        over = extent.lines > form->Lines();
        overflow = extent.overflow;
    }
    if (m_count->text() != status) {
        m_count->setText(status);
        QPalette p = palette();
        if (over)
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
    if (overflow >= 0) {
        QTextEdit::ExtraSelection selection{QTextCursor(m_draft->document()),
                                            Highlight::Background(Highlight::OverLimitBackground)};
        selection.cursor.setPosition(int(overflow));
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
