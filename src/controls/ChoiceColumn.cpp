// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceColumn.h"

#include "AccessibleFactory.h"
#include "ChoiceColumnAccessible.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

ChoiceColumn::ChoiceColumn(const QList<Choice>& choices, const QPixmap& arrow, QWidget* parent)
    : QWidget(parent), m_choices(choices), m_arrow(arrow)
{
    InstallAccessibleFactory<ChoiceColumn, ChoiceColumnAccessible>();
    QRect whole;
    const QSize arrowSize = arrow.deviceIndependentSize().toSize();
    for (const Choice& choice : choices)
        whole |= choice.textRect | QRect(choice.arrowAt, arrowSize);
    setGeometry(whole);
    for (Choice& choice : m_choices) {
        choice.textRect.translate(-whole.topLeft());
        choice.arrowAt -= whole.topLeft();
    }
    // The hand only over a choice: the gaps between choices take no click.
    setMouseTracking(true);
}

QRect ChoiceColumn::ArrowRect(int choice) const
{
    return {m_choices.at(choice).arrowAt, m_arrow.deviceIndependentSize().toSize()};
}

int ChoiceColumn::ChoiceAt(QPoint at) const
{
    for (int i = 0; i < Count(); ++i) {
        if (ChoiceRect(i).contains(at))
            return i;
    }
    return -1;
}

void ChoiceColumn::Click(int choice)
{
    emit Clicked(choice);
}

void ChoiceColumn::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Aligned as a label aligns plain text, so a caption keeps the pixels it had as one.
    const int flags =
        int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)) |
        Qt::TextExpandTabs;
    for (int i = 0; i < Count(); ++i) {
        if (!event->rect().intersects(ChoiceRect(i)))
            continue;
        style()->drawItemText(&painter, TextRect(i), flags, palette(), isEnabled(), Text(i),
                              foregroundRole());
        painter.drawPixmap(m_choices.at(i).arrowAt, m_arrow);
    }
}

void ChoiceColumn::mousePressEvent(QMouseEvent* event)
{
    const int choice = ChoiceAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || choice < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Click(choice);
}

void ChoiceColumn::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press before it has clicked already; QWidget would press a second time.
    if (event->button() == Qt::LeftButton && ChoiceAt(event->position().toPoint()) >= 0)
        event->accept();
    else
        QWidget::mouseDoubleClickEvent(event);
}

void ChoiceColumn::mouseMoveEvent(QMouseEvent* event)
{
    if (ChoiceAt(event->position().toPoint()) >= 0)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}
