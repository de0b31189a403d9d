// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Title, text and free-word tags of an own sample, with the text's 字数 counted as
// everywhere else. Shown with open(): the caller reads the fields once accepted.
class OwnSampleDialog : public QDialog
{
    Q_OBJECT
public:
    OwnSampleDialog(const QString& windowTitle, QWidget* parent);

    void SetSample(const QString& title, const QString& text, const QString& tags);
    QString Title() const;
    QString Text() const;
    QString Tags() const;

    // The first words of a text, as a title to start from.
    static QString TitleFrom(const QString& text);

    QLineEdit* TitleField() const { return m_title; }
    QPlainTextEdit* TextField() const { return m_text; }
    QLineEdit* TagsField() const { return m_tags; }
    QLabel* CountLabel() const { return m_count; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    void Refresh();

    QLineEdit* m_title;
    QPlainTextEdit* m_text;
    QLineEdit* m_tags;
    QLabel* m_count;
    QDialogButtonBox* m_buttons;
};
