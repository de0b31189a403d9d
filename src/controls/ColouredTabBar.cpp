#include "ColouredTabBar.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

ColouredTabBar::ColouredTabBar(QWidget* parent) : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setFocusPolicy(Qt::ClickFocus);
}

int ColouredTabBar::AddColouredTab(const QString& caption, const QColor& colour)
{
    m_colours.append(colour);
    return addTab(caption);
}

QSize ColouredTabBar::tabSizeHint(int index) const
{
    const int textWidth = fontMetrics().horizontalAdvance(tabText(index));
    return QSize(CaptionOffset.x() * 2 + textWidth, TabHeight);
}

void ColouredTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        painter.fillRect(r, TabColour(i));
        painter.setPen(Qt::white);
        const QRect text(r.topLeft() + CaptionOffset, r.bottomRight());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, tabText(i));
        if (i == currentIndex() && hasFocus()) {
            // Keyboard users still need to see where the arrows will act.
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(2, 2, -2, -2);
            focus.backgroundColor = TabColour(i);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
}
