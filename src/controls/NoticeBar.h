// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

#include <functional>

class QPushButton;

// A short message shown inside the window, over its lower edge, that goes away by
// itself or when clicked. It never takes the focus or blocks the user.
class NoticeBar : public QLabel
{
    Q_OBJECT
public:
    static constexpr int ShowMilliseconds = 8000;

    explicit NoticeBar(QWidget* parent);

    void ShowNotice(const QString& text);
    // With a button that takes back what was just done ("元に戻す"), for `milliseconds`.
    void ShowNotice(const QString& text, const QString& actionText, std::function<void()> action,
                    int milliseconds);
    QPushButton* ActionButton() const { return m_action; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTimer* m_timer;
    QPushButton* m_action;
    std::function<void()> m_do;
};
