// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QList>

class ChoiceColumn;

// What assistive technology sees of a ChoiceColumn: a group of buttons, one a choice
// (ChoiceAccessible), each pressed as a click takes it.
class ChoiceColumnAccessible : public QAccessibleWidget
{
public:
    explicit ChoiceColumnAccessible(ChoiceColumn* column);
    ~ChoiceColumnAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    ChoiceColumn* Column() const;

    // Made when first asked for, and owned by Qt's register of interfaces.
    mutable QList<QAccessible::Id> m_children;
};
