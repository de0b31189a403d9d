// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

class QMenu;

// A push button that opens its menu under itself. Unlike QPushButton::setMenu, the
// menu pops up without a nested event loop, for the mouse, the keyboard and a screen
// reader's press alike.
class MenuButton : public QPushButton
{
    Q_OBJECT
public:
    MenuButton(const QString& text, QWidget* parent);

    QMenu* Menu() const { return m_menu; }
    void OpenMenu();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMenu* m_menu;
};
