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

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
