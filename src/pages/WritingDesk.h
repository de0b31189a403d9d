// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DraftFile.h"
#include "DraftPrinter.h"
#include "ManuscriptGrid.h"
#include "ManuscriptView.h"
#include "PageLayout.h"

#include <QPointer>
#include <QSize>
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

    // Asks for a form's own grid, columns × lines, starting from `initial`; nothing
    // when the user cancels. Tests answer in the dialog's place.
    using GridAsker = std::function<std::optional<QSize>(QWidget* parent, QSize initial)>;
    void SetGridAsker(GridAsker asker) { m_askGrid = std::move(asker); }
    void SetPrintAsker(DraftPrinter::Ask asker) { m_askPrint = std::move(asker); }
    // The 原稿用紙 chosen in the limit chooser, if one is.
    std::optional<ManuscriptGrid::Form> Grid() const;
    // 原稿用紙で見る: the draft on the chosen grid (or 20 × 20) in a window of its own.
    ManuscriptView* ShowGrid();
    ManuscriptView* GridView() const { return m_view; }
    // 印刷…: through the print dialog, on the grid when one is chosen; false when
    // cancelled or failed (PrintFailed says why).
    bool Print();
    QAction* GridAction() const { return m_showGrid; }
    QAction* PrintAction() const { return m_print; }

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
    void PrintFailed(const QString& reason);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LimitChosen(int index);
    void Refresh();
    // What a PDF or a print of `text` says at its foot.
    QString Foot(const QString& text) const;
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
    QAction* m_showGrid;
    QAction* m_print;
    QPointer<ManuscriptView> m_view; // a window of the main window's, which may go first
    GridAsker m_askGrid;
    DraftPrinter::Ask m_askPrint; // empty: Qt's print dialog
    ManuscriptGrid::Memo m_memo;
    int m_chosen = 0;        // the chooser's entry before 字数×行数を指定…
    QSize m_ownGrid{20, 20}; // the last grid of the form's own, for the session
    QTimer m_message;
    DraftFile m_file;
    // What was last copied or saved: "unsaved" is a difference from it, whatever
    // wrote the draft.
    QString m_saved;
};
