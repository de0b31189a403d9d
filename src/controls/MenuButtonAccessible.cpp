// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuButtonAccessible.h"

#include "MenuButton.h"

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("MenuButton") && object && object->isWidgetType())
        return new MenuButtonAccessible(static_cast<MenuButton*>(object));
    return nullptr;
}

} // namespace

MenuButtonAccessible::MenuButtonAccessible(MenuButton* button)
    : QAccessibleWidget(button, QAccessible::ButtonMenu)
{}

void MenuButtonAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

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
