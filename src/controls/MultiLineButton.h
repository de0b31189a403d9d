// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose caption wraps inside its face, breaking where Japanese text
// allows, so a long caption fits a narrow button without a hand-placed line break.
class MultiLineButton : public QPushButton
{
    Q_OBJECT
public:
    explicit MultiLineButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
