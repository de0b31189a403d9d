#include "ClickableLabel.h"

#include "ClickableLabelAccessible.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    ClickableLabelAccessible::Install();
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
