// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OwnSampleDialog.h"

#include "DraftText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

OwnSampleDialog::OwnSampleDialog(const QString& windowTitle, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(windowTitle);
    setAccessibleName(windowTitle);
    auto* form = new QFormLayout(this);
    m_title = new QLineEdit(this);
    m_title->setAccessibleName(QStringLiteral("題名"));
    m_text = new QPlainTextEdit(this);
    m_text->setAccessibleName(QStringLiteral("本文"));
    m_text->setMinimumSize(480, 220);
    m_count = new QLabel(this);
    m_tags = new QLineEdit(this);
    m_tags->setAccessibleName(QStringLiteral("タグ"));
    m_tags->setPlaceholderText(QStringLiteral("空白で区切って、いくつでも"));
    form->addRow(QStringLiteral("題名"), m_title);
    form->addRow(QStringLiteral("本文"), m_text);
    form->addRow(QString(), m_count);
    form->addRow(QStringLiteral("タグ"), m_tags);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("保管"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    form->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_text, &QPlainTextEdit::textChanged, this, &OwnSampleDialog::Refresh);
    Refresh();
}

void OwnSampleDialog::SetSample(const QString& title, const QString& text, const QString& tags)
{
    m_title->setText(title);
    m_text->setPlainText(text);
    m_tags->setText(tags);
    Refresh();
}

QString OwnSampleDialog::Title() const
{
    return m_title->text();
}

QString OwnSampleDialog::Text() const
{
    return m_text->toPlainText();
}

QString OwnSampleDialog::Tags() const
{
    return m_tags->text();
}

QString OwnSampleDialog::TitleFrom(const QString& text)
{
    // The first line, cut after the first sentence mark or twenty characters.
    const QString line = text.trimmed().section(u'\n', 0, 0).trimmed();
    QString title;
    for (QChar c : line) {
        if (c == u'。' || c == u'、' || title.size() >= 20)
            break;
        title += c;
    }
    return title.trimmed();
}

void OwnSampleDialog::Refresh()
{
    const QString count = QStringLiteral("%1 字").arg(DraftText::Count(m_text->toPlainText()));
    m_count->setText(count);
    m_count->setAccessibleName(QStringLiteral("本文の字数 ") + count);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_text->toPlainText().trimmed().isEmpty());
}
