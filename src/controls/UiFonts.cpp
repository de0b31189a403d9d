// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UiFonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace {

// The families of `wanted` that this machine has, in their order. Asked for a family it
// lacks, Qt has fontconfig sort every font for each script before falling back to the
// next family on the list, which at start-up costs more than the window's own drawing;
// the family it then settles on is the same.
QStringList Installed(const QStringList& wanted)
{
    // Not QFontDatabase::hasFamily(), which asks fontconfig to resolve each name.
    const QStringList families = QFontDatabase::families();
    QStringList installed;
    for (const QString& family : wanted) {
        if (families.contains(family, Qt::CaseInsensitive))
            installed << family;
    }
    return installed.isEmpty() ? wanted : installed;
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
