// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeskLibrary.h"

#include "DraftEdit.h"
#include "DraftText.h"
#include "Library.h"
#include "OwnSampleDialog.h"
#include "WritingDesk.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* Buttons(QDialog* dialog, const QString& ok)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

DeskLibrary::DeskLibrary(WritingDesk* desk, Library* library)
    : QObject(desk), m_desk(desk), m_library(library)
{
    const auto command = [this](const QString& text, const QKeySequence& keys) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        m_desk->AddMoreAction(action);
        return action;
    };
    m_register = command(QStringLiteral("登録…"), QKeySequence());
    m_keep = command(QStringLiteral("下書きを保管…"), QKeySequence(Qt::CTRL | Qt::Key_K));
    m_kept = command(QStringLiteral("保管した下書き…"), QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_register, &QAction::triggered, this, &DeskLibrary::Register);
    connect(m_keep, &QAction::triggered, this, &DeskLibrary::Keep);
    connect(m_kept, &QAction::triggered, this, &DeskLibrary::ShowKept);
}

bool DeskLibrary::Ask(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, QStringLiteral("KiraveloVer2"), question) ==
           QMessageBox::Yes;
}

void DeskLibrary::Show(QDialog* dialog)
{
    if (m_dialog)
        m_dialog->close();
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog = dialog;
    dialog->open();
}

void DeskLibrary::Register()
{
    const QTextCursor cursor = m_desk->Draft()->textCursor();
    // The selection when there is one: a paragraph worth keeping out of a longer draft.
    QString text =
        cursor.hasSelection() ? cursor.selection().toPlainText() : m_desk->Draft()->toPlainText();
    if (text.trimmed().isEmpty()) {
        emit Notify(
            QStringLiteral("登録する文がありません。下書きに書くか、一部を選んでください。"));
        return;
    }
    auto* dialog = new OwnSampleDialog(QStringLiteral("自分の文例に登録"), m_desk->window());
    dialog->SetSample(OwnSampleDialog::TitleFrom(text), text, QString());
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (m_library->AddSample(dialog->Title(), dialog->Text(), dialog->Tags()))
            emit Notify(QStringLiteral("「%1」を自分の文例に登録しました").arg(dialog->Title()));
        else
            emit Notify(m_library->LastError());
    });
    Show(dialog);
}

void DeskLibrary::Keep()
{
    m_library->Open();
    auto* dialog = new QDialog(m_desk->window());
    dialog->setWindowTitle(QStringLiteral("下書きを保管"));
    dialog->setAccessibleName(dialog->windowTitle());
    auto* form = new QFormLayout(dialog);
    auto* name = new QLineEdit(m_name, dialog);
    name->setObjectName(QStringLiteral("keepName"));
    name->setAccessibleName(QStringLiteral("名前"));
    name->setPlaceholderText(QStringLiteral("生徒の名前など"));
    auto* limit = new QComboBox(dialog);
    limit->setObjectName(QStringLiteral("keepLimit"));
    limit->setAccessibleName(QStringLiteral("字数の上限"));
    for (int i = 0; i < m_desk->LimitChooser()->count(); ++i)
        limit->addItem(m_desk->LimitChooser()->itemText(i), m_desk->LimitChooser()->itemData(i));
    limit->setCurrentIndex(m_desk->LimitChooser()->currentIndex());
    form->addRow(QStringLiteral("名前"), name);
    form->addRow(QStringLiteral("上限"), limit);
    QDialogButtonBox* buttons = Buttons(dialog, QStringLiteral("保管"));
    form->addRow(buttons);
    const auto allow = [buttons, name] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!name->text().trimmed().isEmpty());
    };
    connect(name, &QLineEdit::textChanged, dialog, allow);
    allow();
    connect(dialog, &QDialog::accepted, this, [this, name, limit] {
        const QString chosen = name->text().trimmed();
        // Another draft kept under this name is replaced only when the user says so.
        const bool other = chosen != m_name && m_library->Draft(chosen).has_value();
        if (other && !m_question(m_desk->window(),
                                 QStringLiteral("「%1」という名前の下書きがもう保管されています。"
                                                "置き換えますか？")
                                     .arg(chosen)))
            return;
        m_desk->LimitChooser()->setCurrentIndex(limit->currentIndex());
        KeepAs(chosen, limit->currentData().toInt(), other);
    });
    Show(dialog);
}

bool DeskLibrary::KeepUnderName()
{
    if (m_name.isEmpty()) {
        Keep();
        return false; // kept, if at all, once the dialog is answered
    }
    return KeepAs(m_name, m_desk->Limit(), false);
}

bool DeskLibrary::KeepAs(const QString& name, int limit, bool replacing)
{
    if (!m_library->KeepDraft(name, m_desk->Draft()->toPlainText(), limit)) {
        emit Notify(m_library->LastError());
        return false;
    }
    m_name = name;
    m_desk->MarkSaved();
    emit Notify(replacing ? QStringLiteral("「%1」の下書きを置き換えて保管しました").arg(name)
                          : QStringLiteral("「%1」の下書きを保管しました").arg(name));
    return true;
}

void DeskLibrary::ShowKept()
{
    m_library->Open();
    auto* dialog = new QDialog(m_desk->window());
    dialog->setWindowTitle(QStringLiteral("保管した下書き"));
    dialog->setAccessibleName(dialog->windowTitle());
    auto* layout = new QVBoxLayout(dialog);
    auto* list = new QTreeWidget(dialog);
    list->setObjectName(QStringLiteral("keptDrafts"));
    list->setAccessibleName(QStringLiteral("保管した下書きの一覧"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels(
        {QStringLiteral("名前"), QStringLiteral("字数"), QStringLiteral("保管した日時")});
    list->setMinimumSize(460, 260);
    for (const KeptDraft& draft : m_library->Drafts()) { // newest first
        const QString count =
            QStringLiteral("%1 字").arg(DraftText::Count(draft.text)) +
            (draft.limit ? QStringLiteral("／%1 字").arg(draft.limit) : QString());
        auto* item = new QTreeWidgetItem(
            list, {draft.name, count,
                   draft.kept.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"))});
        item->setData(0, Qt::UserRole, draft.name);
    }
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    if (list->topLevelItemCount())
        list->setCurrentItem(list->topLevelItem(0));
    layout->addWidget(list);
    QDialogButtonBox* buttons = Buttons(dialog, QStringLiteral("開く"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(list->topLevelItemCount() > 0);
    layout->addWidget(buttons);
    connect(list, &QTreeWidget::itemActivated, dialog, &QDialog::accept);
    connect(dialog, &QDialog::accepted, this, [this, list] {
        if (list->currentItem())
            Open(list->currentItem()->data(0, Qt::UserRole).toString());
    });
    Show(dialog);
}

bool DeskLibrary::Open(const QString& name)
{
    const std::optional<KeptDraft> draft = m_library->Draft(name);
    if (!draft)
        return false;
    if (m_desk->HasUnsavedText() &&
        !m_question(m_desk->window(),
                    QStringLiteral("今の下書きはコピーも保存も保管もされていません。"
                                   "「%1」の下書きを開いて置き換えますか？")
                        .arg(name)))
        return false;
    // Through a cursor, so Ctrl+Z brings the earlier draft back.
    QTextCursor cursor(m_desk->Draft()->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(draft->text);
    cursor.endEditBlock();
    QComboBox* limits = m_desk->LimitChooser();
    if (const int index = limits->findData(draft->limit); index >= 0)
        limits->setCurrentIndex(index);
    m_name = name;
    m_desk->MarkSaved();
    emit Notify(QStringLiteral("「%1」の下書きを開きました").arg(name));
    return true;
}
