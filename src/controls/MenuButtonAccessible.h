// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class MenuButton;

// What assistive technology sees of a MenuButton: a menu button whose press opens
// the menu as a click does.
class MenuButtonAccessible : public QAccessibleWidget
{
public:
    explicit MenuButtonAccessible(MenuButton* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    MenuButton* Button() const;
};
