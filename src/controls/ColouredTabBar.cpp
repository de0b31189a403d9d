// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColouredTabBar.h"

#include "LeanStyle.h"

#include <QAccessible>
#include <QEvent>
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
    m_dimmed.append(false);
    return addTab(caption);
}

void ColouredTabBar::SetTabDimmed(int index, bool dimmed)
{
    if (index < 0 || index >= m_dimmed.size() || m_dimmed.at(index) == dimmed)
        return;
    m_dimmed[index] = dimmed;
    update(tabRect(index));
}

QColor ColouredTabBar::PaintedColour(int index) const
{
    const QColor colour = TabColour(index);
    if (!IsTabDimmed(index))
        return colour;
    // Two parts grey to one part colour: still tells the tabs apart, white stays legible.
    constexpr int Grey = 168;
    return QColor((colour.red() + 2 * Grey) / 3, (colour.green() + 2 * Grey) / 3,
                  (colour.blue() + 2 * Grey) / 3);
}

void ColouredTabBar::SetTabDescription(int index, const QString& description)
{
    // Qt gives a tab's tool tip to screen readers as its description.
    if (index < 0 || index >= count() || tabToolTip(index) == description)
        return;
    setTabToolTip(index, description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    changed.setChild(index);
    QAccessible::updateAccessibility(&changed);
}

QSize ColouredTabBar::tabSizeHint(int index) const
{
    // The captions end in an ideographic space that draws nothing: five tabs and the
    // search field share the strip left of the guide picture.
    const QString caption = tabText(index).trimmed();
    auto width = m_widths.constFind(caption);
    if (width == m_widths.cend()) {
        // Measured, where the style keeps layouts, from the one the caption's paint uses.
        const auto* lean = qobject_cast<const LeanStyle*>(style());
        width = m_widths.insert(caption, lean ? qRound(lean->LineWidth(caption, font()))
                                              : fontMetrics().horizontalAdvance(caption));
    }
    return QSize(CaptionOffset.x() + *width + CaptionOffset.x() / 2, TabHeight);
}

void ColouredTabBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_widths.clear();
    QTabBar::changeEvent(event);
}

ColouredTabBar::Look ColouredTabBar::CurrentLook() const
{
    Look look{size(), hasFocus() ? currentIndex() : -1, {}, {}, font(), palette().cacheKey()};
    for (int i = 0; i < count(); ++i) {
        look.colours << PaintedColour(i);
        look.captions << tabText(i);
    }
    return look;
}

void ColouredTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    // Every tab is filled opaque, so a picture of the strip blends nothing from under it.
    if (devicePixelRatioF() != 1) {
        Paint(painter);
        return;
    }
    Look look = CurrentLook();
    if (m_picture.isNull() || !(look == m_pictureLook)) {
        m_picture = QPixmap(size());
        m_picture.fill(Qt::transparent);
        QStylePainter picture(&m_picture, this);
        picture.setFont(font());
        Paint(picture);
        m_pictureLook = std::move(look);
    }
    painter.drawPixmap(0, 0, m_picture);
}

void ColouredTabBar::Paint(QPainter& painter) const
{
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        painter.fillRect(r, PaintedColour(i));
        painter.setPen(Qt::white);
        const QRect text(r.topLeft() + CaptionOffset, r.bottomRight());
        // Through the style, which keeps each caption's layout from one paint to the next.
        style()->drawItemText(&painter, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              palette(), true, tabText(i).trimmed(), QPalette::NoRole);
        if (i == currentIndex() && hasFocus()) {
            // Keyboard users still need to see where the arrows will act.
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(2, 2, -2, -2);
            focus.backgroundColor = PaintedColour(i);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}
