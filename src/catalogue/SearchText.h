// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The form in which samples and queries are compared: NFKC (full- and half-width
// letters, digits and katakana fold), katakana as hiragana, ヶ and ヵ as か, 〜 as ～,
// the spacing ゛゜ as their combining forms, Latin case folded, and no white space,
// line breaks, variation selectors or invisible control characters left, so a word
// broken across a line is still found. A lone surrogate becomes U+FFFD.
class SearchText
{
public:
    // Where one unit of the normalised text came from in the original.
    struct Source
    {
        qsizetype start = 0;
        qsizetype end = 0; // exclusive
    };

    static QString Normalise(QStringView text);
    // Also fills `sources` with one entry per UTF-16 unit of the result.
    static QString Normalise(QStringView text, QList<Source>* sources);
};
