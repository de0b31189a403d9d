// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChoiceColumnAccessible.h"

#include "ChoiceAccessible.h"
#include "ChoiceColumn.h"

ChoiceColumnAccessible::ChoiceColumnAccessible(ChoiceColumn* column)
    : QAccessibleWidget(column, QAccessible::Grouping)
{}

ChoiceColumnAccessible::~ChoiceColumnAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_children)) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

ChoiceColumn* ChoiceColumnAccessible::Column() const
{
    return static_cast<ChoiceColumn*>(widget());
}

int ChoiceColumnAccessible::childCount() const
{
    return Column()->Count();
}

QAccessibleInterface* ChoiceColumnAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (m_children.size() < childCount())
        m_children.resize(childCount(), 0);
    QAccessible::Id& id = m_children[index];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new ChoiceAccessible(Column(), index));
    return QAccessible::accessibleInterface(id);
}

int ChoiceColumnAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (qsizetype i = 0; i < m_children.size(); ++i) {
        if (m_children.at(i) != 0 && QAccessible::accessibleInterface(m_children.at(i)) == child)
            return int(i);
    }
    return -1;
}

QAccessibleInterface* ChoiceColumnAccessible::childAt(int x, int y) const
{
    return child(Column()->ChoiceAt(Column()->mapFromGlobal(QPoint(x, y))));
}
