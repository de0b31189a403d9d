// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Converts template geometry in dialog units to pixels at 96 dpi with the 9-point
// dialog font: one unit is 1.75 px across and 1.5 px down. Edges are converted, not
// sizes, so neighbouring controls keep sharing their borders.
class DialogUnits
{
public:
    static int X(double units) { return int(units * 7.0 / 4.0 + 0.5); }
    static int Y(double units) { return int(units * 3.0 / 2.0 + 0.5); }
    static QRect Rect(int x, int y, int width, int height)
    {
        return QRect(QPoint(X(x), Y(y)), QPoint(X(x + width) - 1, Y(y + height) - 1));
    }
    static QRect Rect(const QRect& units)
    {
        return Rect(units.x(), units.y(), units.width(), units.height());
    }
};
