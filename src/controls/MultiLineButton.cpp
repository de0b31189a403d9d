// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MultiLineButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

MultiLineButton::MultiLineButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
}

void MultiLineButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area.adjusted(2, 0, -2, 0), Qt::AlignCenter | Qt::TextWordWrap, palette(),
                         isEnabled(), caption, QPalette::ButtonText);
}
