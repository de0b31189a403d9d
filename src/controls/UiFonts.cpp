// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiFonts.h"

#include <QStringList>

namespace {

QFont Gothic(const QStringList& preferred)
{
    QFont font;
    QStringList families = preferred;
    families << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic")
             << QStringLiteral("Noto Sans CJK JP") << QStringLiteral("Hiragino Sans")
             << QStringLiteral("Yu Gothic UI");
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont UiFonts::Dialog()
{
    QFont font = Gothic({QStringLiteral("MS UI Gothic")});
    font.setPointSize(9);
    return font;
}

QFont UiFonts::Slot()
{
    QFont font = Gothic({QStringLiteral("MS PGothic"), QStringLiteral("MS Pゴシック")});
    font.setPointSize(15);
    return font;
}

QFont UiFonts::Banner(int pixelSize)
{
    QFont font = Gothic({QStringLiteral("MS UI Gothic")});
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}
