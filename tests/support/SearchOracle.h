// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace SearchOracle {

// Texts compared as the search promises, worked out the plain way, independently of
// the program's own folding: the whole text through NFKC, then kana and case folded
// and every space and invisible character dropped.
inline QString Folded(const QString& text)
{
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KC)) {
        if (c.isSpace() || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format)
            continue;
        c = c.toCaseFolded();
        if (c.unicode() >= 0x30A1 && c.unicode() <= 0x30F6)
            c = QChar(c.unicode() - 0x60);
        out += c;
    }
    return out;
}

} // namespace SearchOracle
