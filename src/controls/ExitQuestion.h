// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The one question before the window closes on a draft that is neither copied nor
// saved since it last changed.
class ExitQuestion
{
public:
    enum class Choice
    {
        Save,
        Keep, // in the user's library, under the draft's name
        Discard,
        Cancel,
    };

    // 保存… / 保存せずに終了 / キャンセル; Escape cancels. With `offerKeep`, 保管 too.
    static Choice Ask(QWidget* parent, bool offerKeep = false);
};
