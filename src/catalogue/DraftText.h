// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// The writing desk's rules on plain text: how many 字 a text has, where its fill-in
// marks are, how it stands against a form's limit and how a sample joins a draft.
// Offsets are in UTF-16 units, as text cursors count them.
class DraftText
{
public:
    // A figure to fill in, one mark per digit.
    static constexpr QChar Placeholder = u'\u25CB';
    // A fact the writer must check, named between the two: 〔少人数の演習〕.
    static constexpr QChar PhraseOpen = u'\u3014';
    static constexpr QChar PhraseClose = u'\u3015';
    // The limits a form sets; 0 stands for none.
    static const QList<int>& Limits();

    struct Run
    {
        qsizetype start = 0;
        qsizetype length = 0;
        bool operator==(const Run&) const = default;
    };

    // Every character a reader sees counts once (a grapheme cluster: a letter with its
    // combining marks or variation selector, a surrogate pair), except line breaks.
    // Decomposed text counts as its composed form does.
    static int Count(QStringView text);
    // The places to fill in, in order: each maximal run of ○, and each outermost 〔…〕
    // with what it holds. A bracket without its partner is plain text.
    static QList<Run> Placeholders(QStringView text);
    // The first run starting at or after `from`, else the first run of all.
    static std::optional<Run> NextPlaceholder(QStringView text, qsizetype from);
    // Where the first character past `limit` 字 starts, or -1 while the text fits.
    static qsizetype OverflowStart(QStringView text, int limit);
    // "N 字": how every count of characters reads.
    static QString Characters(int count);
    // "N 字", and against a limit "N 字 ／ L 字（残り R 字）" or "（E 字超過）".
    static QString Status(int count, int limit);
    static bool Over(int count, int limit) { return limit > 0 && count > limit; }
    // What to append to `draft` to add `sample`: its paragraphs with plain line
    // breaks, after a line break unless the draft is empty or already ends in one.
    static QString Appendix(QStringView draft, QStringView sample);
};
