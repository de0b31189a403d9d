// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// The desk's editable, word-wrapping draft. Escape stays inside it rather than
// reaching the window, and redo answers both Ctrl+Shift+Z and Ctrl+Y.
class DraftEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DraftEdit(QWidget* parent = nullptr);

    // The grey line shown while the draft is empty, in place of QPlainTextEdit's own,
    // which is laid out afresh on every paint.
    void SetHint(const QString& hint);
    const QString& Hint() const { return m_hint; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_hint;
};
