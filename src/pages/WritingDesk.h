// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DraftFile.h"
#include "PageLayout.h"

#include <QTimer>
#include <QWidget>

class DraftEdit;
class MenuButton;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

// The writing desk above the sample slots: one draft gathered from samples, its 字数
// against a form's limit, the places left to fill in, and copy, save and the further
// commands of 「その他 ▾」. The window keeps one desk and shows it on whichever page
// is current.
class WritingDesk : public QWidget
{
    Q_OBJECT
public:
    // Page pixels: the area above the slots and the block beside it.
    static constexpr QRect PageArea = PageLayout::DeskArea;
    static constexpr int MessageMilliseconds = 4000;

    explicit WritingDesk(QWidget* parent = nullptr);

    // Appends a sample's text and selects its first place to fill in, if it has one.
    void Add(const QString& sample);
    // Text changed since it was last copied or saved (or kept, through MarkSaved).
    bool HasUnsavedText() const;
    // The draft's text now counts as kept: the exit question waits for a change.
    void MarkSaved();
    // Asks for a file and writes the draft; false when cancelled or failed.
    bool Save();
    // The file choice and the formats written; others add formats here.
    DraftFile& File() { return m_file; }

    // Adds a command to 「その他 ▾」, below those there. Its text is what a screen
    // reader says; its shortcut works wherever the desk is shown.
    void AddMoreAction(QAction* action);
    QMenu* MoreMenu() const;

    DraftEdit* Draft() const { return m_draft; }
    QLabel* CountLabel() const { return m_count; }
    QComboBox* LimitChooser() const { return m_limit; }
    QLabel* MarksLabel() const { return m_marks; }
    QPushButton* NextMarkButton() const { return m_next; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* SaveButton() const { return m_save; }
    MenuButton* MoreButton() const { return m_more; }
    QAction* ClearAction() const { return m_clear; }
    int Limit() const;

signals:
    void SaveFailed(const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void SelectNextMark();
    void Copy();
    void Clear();
    void Say(const QString& message);
    void ShowMarks(const QString& text);

    DraftEdit* m_draft;
    QLabel* m_count;
    QComboBox* m_limit;
    QLabel* m_marks;
    QPushButton* m_next;
    QPushButton* m_copy;
    QPushButton* m_save;
    MenuButton* m_more;
    QAction* m_clear;
    QTimer m_message;
    DraftFile m_file;
    // What was last copied or saved: "unsaved" is a difference from it, whatever
    // wrote the draft.
    QString m_saved;
};
