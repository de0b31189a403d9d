// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoticeBar.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPushButton>

NoticeBar::NoticeBar(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setMargin(8);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 248, 214));
    p.setColor(QPalette::WindowText, QColor(102, 51, 0));
    setPalette(p);
    hide();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("noticeTimer"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);
    m_action = new QPushButton(this);
    m_action->setObjectName(QStringLiteral("noticeAction"));
    m_action->setAutoDefault(false);
    m_action->hide();
    connect(m_action, &QPushButton::clicked, this, [this] {
        hide();
        if (const auto action = std::exchange(m_do, nullptr))
            action();
    });
}

void NoticeBar::ShowNotice(const QString& text, const QString& actionText,
                           std::function<void()> action, int milliseconds)
{
    ShowNotice(text);
    m_do = std::move(action);
    m_action->setText(actionText);
    m_action->setAccessibleName(actionText);
    const int width = m_action->sizeHint().width() + 16;
    setContentsMargins(0, 0, width, 0);
    setGeometry(geometry().adjusted(0, 0, 0, 8));
    m_action->setGeometry(this->width() - width, (height() - 30) / 2, width - 8, 30);
    m_action->show();
    m_timer->start(milliseconds);
}

void NoticeBar::ShowNotice(const QString& text)
{
    m_do = nullptr; // a new notice ends the offer of the last one
    m_action->hide();
    setContentsMargins(0, 0, 0, 0);
    setText(text);
    const QWidget* area = parentWidget();
    const int width = qMin(640, area->width() - 40);
    const int height = heightForWidth(width);
    setGeometry((area->width() - width) / 2, area->height() - height - 16, width, height);
    raise();
    show();
    m_timer->start(ShowMilliseconds);
    QAccessibleEvent announce(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&announce);
}

void NoticeBar::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    hide();
}
