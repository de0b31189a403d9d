// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

class QAction;
class QMenu;

// A push button that opens its menu under itself. Unlike QPushButton::setMenu, the
// menu pops up without a nested event loop, for the mouse, the keyboard and a screen
// reader's press alike. The menu is made when first wanted: the window's first frame
// need not load a menu's code.
class MenuButton : public QPushButton
{
    Q_OBJECT
public:
    MenuButton(const QString& text, QWidget* parent);

    // Adds to the menu, made or not; the menu bears the button's accessible name.
    void AddAction(QAction* action);
    QMenu* Menu();
    void OpenMenu();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<QAction*> m_actions;
    QMenu* m_menu = nullptr;
};
