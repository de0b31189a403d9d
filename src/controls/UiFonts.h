// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The program's two typefaces. The Windows faces come first; elsewhere the Japanese
// Gothic families that Linux distributions ship take over, so kanji never depend on
// the locale's choice of fallback.
class UiFonts
{
public:
    // The 9-point face of labels, captions and buttons.
    static QFont Dialog();
    // The 15-point face of the sample boxes.
    static QFont Slot();
    // Heavier face for the drawn title banners.
    static QFont Banner(int pixelSize);
};
