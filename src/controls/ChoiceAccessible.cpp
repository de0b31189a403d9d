// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceAccessible.h"

#include "ChoiceColumn.h"

#include <QWindow>

ChoiceAccessible::ChoiceAccessible(ChoiceColumn* column, int choice)
    : m_column(column), m_choice(choice)
{}

bool ChoiceAccessible::isValid() const
{
    return m_column && m_choice < m_column->Count();
}

QObject* ChoiceAccessible::object() const
{
    return nullptr;
}

QWindow* ChoiceAccessible::window() const
{
    return m_column ? m_column->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ChoiceAccessible::parent() const
{
    return m_column ? QAccessible::queryAccessibleInterface(m_column.data()) : nullptr;
}

QAccessibleInterface* ChoiceAccessible::child(int) const
{
    return nullptr;
}

int ChoiceAccessible::childCount() const
{
    return 0;
}

int ChoiceAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* ChoiceAccessible::childAt(int, int) const
{
    return nullptr;
}

QString ChoiceAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return {};
    return m_column->Text(m_choice);
}

void ChoiceAccessible::setText(QAccessible::Text, const QString&) {}

QRect ChoiceAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_column->ChoiceRect(m_choice);
    return {m_column->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::Role ChoiceAccessible::role() const
{
    return isValid() && m_column->Popup(m_choice) ? QAccessible::ButtonMenu : QAccessible::Button;
}

QAccessible::State ChoiceAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invisible = true;
        return s;
    }
    s.invisible = !m_column->isVisible();
    s.disabled = !m_column->isEnabled();
    s.hasPopup = m_column->Popup(m_choice);
    return s;
}

void* ChoiceAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList ChoiceAccessible::actionNames() const
{
    if (!isValid() || !m_column->isEnabled())
        return {};
    return {pressAction()};
}

void ChoiceAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && isValid() && m_column->isEnabled())
        m_column->Click(m_choice);
}

QStringList ChoiceAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}
