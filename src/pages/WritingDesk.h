// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

class DraftEdit;
class QComboBox;
class QLabel;
class QPushButton;

// The writing desk above the sample slots: one draft gathered from samples, its 字数
// against a form's limit, the fill-in marks left, and copy, save and clear. The
// window keeps one desk and shows it on whichever page is current.
class WritingDesk : public QWidget
{
    Q_OBJECT
public:
    // Page pixels: the area above the slots and the block beside it.
    static constexpr QRect PageArea{291, 41, 672, 188};
    static constexpr int MessageMilliseconds = 4000;

    // Asks where to save; an empty path means the user changed their mind. A path
    // ending in .pdf is saved as PDF, anything else as UTF-8 text.
    using FileChooser = std::function<QString(QWidget* parent)>;

    explicit WritingDesk(QWidget* parent = nullptr);

    // Appends a sample's text and selects its first fill-in mark, if it has one.
    void Add(const QString& sample);
    // Text changed since it was last copied or saved.
    bool HasUnsavedText() const;
    // Asks for a file and writes the draft; false when cancelled or failed.
    bool Save();
    void SetFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    // Writes the draft to `path`; false with the reason in `reason`.
    bool SaveTo(const QString& path, QString* reason);

    DraftEdit* Draft() const { return m_draft; }
    QLabel* CountLabel() const { return m_count; }
    QComboBox* LimitChooser() const { return m_limit; }
    QLabel* MarksLabel() const { return m_marks; }
    QPushButton* NextMarkButton() const { return m_next; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* SaveButton() const { return m_save; }
    QPushButton* ClearButton() const { return m_clear; }
    int Limit() const;

signals:
    void SaveFailed(const QString& reason);

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
    QPushButton* m_clear;
    QTimer m_message;
    FileChooser m_chooser;
};
