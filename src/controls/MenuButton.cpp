// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuButton.h"

#include "MenuButtonAccessible.h"

#include <QMenu>

MenuButton::MenuButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent), m_menu(new QMenu(this))
{
    MenuButtonAccessible::Install();
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &MenuButton::OpenMenu);
}

void MenuButton::OpenMenu()
{
    m_menu->popup(mapToGlobal(QPoint(0, height())));
}
