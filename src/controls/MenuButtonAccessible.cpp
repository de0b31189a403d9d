// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuButtonAccessible.h"

#include "MenuButton.h"

MenuButtonAccessible::MenuButtonAccessible(MenuButton* button)
    : QAccessibleWidget(button, QAccessible::ButtonMenu)
{}

MenuButton* MenuButtonAccessible::Button() const
{
    return static_cast<MenuButton*>(widget());
}

QString MenuButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && Button()->accessibleName().isEmpty())
        return Button()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State MenuButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.hasPopup = true;
    return s;
}

QStringList MenuButtonAccessible::actionNames() const
{
    if (!Button()->isEnabled())
        return QAccessibleWidget::actionNames();
    return QStringList{pressAction(), showMenuAction()} + QAccessibleWidget::actionNames();
}

void MenuButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() || actionName == showMenuAction()) {
        if (Button()->isEnabled())
            Button()->OpenMenu();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}
