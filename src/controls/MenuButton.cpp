// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuButton.h"

#include "AccessibleFactory.h"
#include "MenuButtonAccessible.h"

#include <QMenu>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// The menu's mark at the end of the caption.
const QString Mark = QStringLiteral(" ▾");

} // namespace

MenuButton::MenuButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    InstallAccessibleFactory<MenuButton, MenuButtonAccessible>();
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &MenuButton::OpenMenu);
}

void MenuButton::AddAction(QAction* action)
{
    m_actions << action;
    if (m_menu)
        m_menu->addAction(action);
}

QMenu* MenuButton::Menu()
{
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->setAccessibleName(accessibleName());
        m_menu->addActions(m_actions);
    }
    return m_menu;
}

void MenuButton::OpenMenu()
{
    Menu()->popup(mapToGlobal(QPoint(0, height())));
}

void MenuButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QStylePainter painter(this);
    if (!option.text.endsWith(Mark)) {
        painter.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    // The mark is drawn rather than set: the Japanese faces lack ▾, and loading a
    // second face for one glyph cost the window's start-up more than the rest of the
    // button. The caption moves left by half the mark, as the whole text would stand.
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    QStyleOptionButton label = option;
    label.text.chop(Mark.size());
    const QFontMetrics metrics = fontMetrics();
    const int side = qMax(5, metrics.ascent() / 2);
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const int textWidth = metrics.horizontalAdvance(label.text);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    label.rect = contents.translated(-(gap + side) / 2, 0);
    painter.drawControl(QStyle::CE_PushButtonLabel, label);
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
    const qreal left = contents.center().x() + 1 - (textWidth + gap + side) / 2.0 + textWidth + gap;
    const qreal top = contents.center().y() + 1 - side / 4.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(option.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                          QPalette::ButtonText));
    painter.drawPolygon(QPolygonF({QPointF(left, top), QPointF(left + side, top),
                                   QPointF(left + side / 2.0, top + side / 2.0 + 1)}));
}
