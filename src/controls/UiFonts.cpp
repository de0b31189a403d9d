// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace {

// The first family of `wanted` that this machine has, alone. Asked for a family it
// lacks, Qt has fontconfig sort every font for each script before falling back to the
// next on the list; and given further families at all, it has fontconfig sort them for
// each script as soon as a text meets that script, whether or not a glyph is missing.
// Given one, it asks only when a glyph is, and finds the same faces.
QStringList Installed(const QStringList& wanted)
{
    // Not QFontDatabase::hasFamily(), which asks fontconfig to resolve each name.
    const QStringList families = QFontDatabase::families();
    for (const QString& family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive))
            return {family};
    }
    return wanted;
}

QFont Gothic(const QStringList& preferred)
{
    static const QStringList common{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                    QStringLiteral("Noto Sans CJK JP"),
                                    QStringLiteral("Hiragino Sans"),
                                    QStringLiteral("Yu Gothic UI")};
    // Looked up once per list: the faces installed do not change while the program runs.
    static QHash<QStringList, QStringList> known;
    auto found = known.constFind(preferred);
    if (found == known.cend())
        found = known.insert(preferred, Installed(preferred + common));
    QFont font;
    font.setFamilies(*found);
    font.setStyleHint(QFont::SansSerif);
    // Unhinted, FreeType draws a glyph without the auto-hinter's pass, which took three
    // quarters of the first frame's rasterising; and the screen measures text as the
    // PDF and the printer do.
    font.setHintingPreference(QFont::PreferNoHinting);
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
