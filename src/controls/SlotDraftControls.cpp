// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotDraftControls.h"

#include "DraftText.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>

SlotDraftControls::SlotDraftControls(const QString& side, QWidget* parent)
    : QWidget(parent), m_side(side)
{
    resize(Size);
    m_count = new QLabel(this);
    m_count->setGeometry(0, 0, Size.width(), 20);
    m_count->setAlignment(Qt::AlignCenter);
    // White on a plate darker than the block, for a contrast of 4.5:1 at least.
    QPalette p = m_count->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Window, CountBackground);
    m_count->setPalette(p);
    m_count->setAutoFillBackground(true);

    m_add = new QPushButton(QStringLiteral("下書きへ"), this);
    m_add->setGeometry(0, 24, Size.width(), Size.height() - 24);
    m_add->setAutoDefault(false);
    m_add->setAccessibleName(QStringLiteral("下書きに加える（%1）").arg(side));
    connect(m_add, &QPushButton::clicked, this, [this] { emit AddRequested(m_text); });
    Clear();
}

void SlotDraftControls::ShowSample(const QString& text)
{
    m_text = text;
    Show(true, DraftText::Characters(DraftText::Count(text)));
}

void SlotDraftControls::Clear()
{
    m_text.clear();
    Show(false, QString());
}

void SlotDraftControls::Show(bool shown, const QString& count)
{
    m_add->setEnabled(shown);
    m_count->setText(count);
    const QString name =
        QStringLiteral("%1の文例の字数").arg(m_side) + (count.isEmpty() ? QString() : u' ' + count);
    if (m_count->accessibleName() != name) {
        m_count->setAccessibleName(name);
        QAccessibleEvent changed(m_count, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
