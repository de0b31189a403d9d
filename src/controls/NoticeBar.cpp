#include "NoticeBar.h"

#include <QAccessible>
#include <QMouseEvent>

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
}

void NoticeBar::ShowNotice(const QString& text)
{
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
