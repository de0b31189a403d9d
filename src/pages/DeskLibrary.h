// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>

#include <functional>

class Library;
class OwnSampleDialog;
class QAction;
class WritingDesk;

// The desk's commands that keep things in the user's library, in 「その他 ▾」:
// 登録… (the draft or its selection as an own sample), 下書きを保管… (Ctrl+K: the draft
// under a name, with its limit) and 保管した下書き… (Ctrl+O). Dialogs open without
// blocking; the questions they ask are seams a test answers.
class DeskLibrary : public QObject
{
    Q_OBJECT
public:
    // Yes or no to `question`.
    using Question = std::function<bool(QWidget* parent, const QString& question)>;

    DeskLibrary(WritingDesk* desk, Library* library);

    void SetQuestion(Question question) { m_question = std::move(question); }

    QAction* RegisterAction() const { return m_register; }
    QAction* KeepAction() const { return m_keep; }
    QAction* KeptAction() const { return m_kept; }
    // The dialog a command has open, if any.
    QDialog* OpenDialog() const { return m_dialog; }

    // The name the draft was last kept under or opened from; empty for a new one.
    QString DraftName() const { return m_name; }
    // Keeps the draft under its name at once (exit's 保管); without one, asks for it.
    bool KeepUnderName();

    void Register();
    void Keep();
    void ShowKept();
    // Puts the kept draft `name` on the desk, asking first over unsaved text.
    bool Open(const QString& name);

signals:
    void Notify(const QString& message);

private:
    bool KeepAs(const QString& name, int limit, bool replacing);
    void Show(QDialog* dialog);
    static bool Ask(QWidget* parent, const QString& question);

    WritingDesk* m_desk;
    Library* m_library;
    QAction* m_register;
    QAction* m_keep;
    QAction* m_kept;
    QPointer<QDialog> m_dialog;
    Question m_question = Ask;
    QString m_name;
};
