// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QTextCharFormat>

// How text stands out in the sample slots and the draft: the places to fill in, the
// search's hits and the part of a draft past its limit. A hit only colours the
// background, so a searched-for mark keeps its red.
class Highlight
{
public:
    static constexpr QColor Warning{204, 0, 0}; // a mark's ink, and a count over its limit
    static constexpr QColor MarkBackground{255, 240, 160};
    static constexpr QColor HitBackground{150, 212, 255};
    static constexpr QColor OverLimitBackground{255, 214, 214};

    static QTextCharFormat Mark()
    {
        QTextCharFormat format;
        format.setForeground(Warning);
        format.setBackground(MarkBackground);
        return format;
    }
    static QTextCharFormat Background(QColor colour)
    {
        QTextCharFormat format;
        format.setBackground(colour);
        return format;
    }
};
