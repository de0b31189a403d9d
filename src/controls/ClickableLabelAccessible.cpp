// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickableLabelAccessible.h"

#include "ClickableLabel.h"

ClickableLabelAccessible::ClickableLabelAccessible(ClickableLabel* label)
    : QAccessibleWidget(label, label->AccessibleRole())
{}

ClickableLabel* ClickableLabelAccessible::Label() const
{
    return static_cast<ClickableLabel*>(widget());
}

QAccessible::Role ClickableLabelAccessible::role() const
{
    return Label()->AccessibleRole();
}

QString ClickableLabelAccessible::text(QAccessible::Text t) const
{
    // A picture has no text of its own; its accessible name must say what it does.
    if (t == QAccessible::Name && Label()->accessibleName().isEmpty())
        return Label()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ClickableLabelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    if (Label()->AccessibleRole() == QAccessible::Link)
        s.linked = true;
    if (Label()->AccessibleRole() == QAccessible::ButtonMenu)
        s.hasPopup = true;
    return s;
}

QStringList ClickableLabelAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (Label()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void ClickableLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        if (Label()->isEnabled())
            Label()->Click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList ClickableLabelAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
