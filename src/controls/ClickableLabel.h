// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QLabel>

// A label or picture that reports single left clicks, like a static control that
// notifies its parent. Double clicks count as a click, not as two. Screen readers see
// it as a button (or whatever role it is given) with a press action that clicks it.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // What a screen reader calls it: a button by default, a link for a document.
    void SetAccessibleRole(QAccessible::Role role) { m_role = role; }
    QAccessible::Role AccessibleRole() const { return m_role; }

    // The click itself, shared by the mouse and assistive technology.
    void Click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QAccessible::Role m_role = QAccessible::Button;
};
