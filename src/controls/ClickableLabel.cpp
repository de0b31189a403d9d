// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickableLabel.h"

#include "AccessibleFactory.h"
#include "ClickableLabelAccessible.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    InstallAccessibleFactory<ClickableLabel, ClickableLabelAccessible>();
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::Click()
{
    emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    Click();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press before it has clicked already; QWidget would press a second time.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mouseDoubleClickEvent(event);
}
