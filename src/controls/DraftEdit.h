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
    // The face of the draft's text, taken with its first text or the focus; until then
    // the hint is all it shows, and it is set in the face the edit inherits, as labels
    // are. Each size of a face costs the start-up a font match and a layout.
    void SetTextFont(const QFont& font);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void TakeTextFont();

    QString m_hint;
    QFont m_textFont;
    // Set while the face waits for the first text.
    QMetaObject::Connection m_firstText;
};
