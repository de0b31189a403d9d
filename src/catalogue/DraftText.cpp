// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftText.h"

#include <QTextBoundaryFinder>

namespace {

bool IsBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Whether `c` may belong to the character before it or after it: a mark (か + U+3099),
// a variation selector, a joiner, half of a surrogate pair, a Hangul jamo.
bool MayJoin(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x0300)
        return false;
    // Kana and kanji, asked about at every keystroke: their only marks are these.
    if (u >= 0x3000 && u <= 0x9FFF)
        return (u >= 0x302A && u <= 0x302F) || u == 0x3099 || u == 0x309A;
    if (c.isSurrogate() || (u >= 0x1100 && u <= 0x11FF) || (u >= 0xA960 && u <= 0xA97F) ||
        (u >= 0xD7B0 && u <= 0xD7FF) || (u >= 0xAC00 && u <= 0xD7A3))
        return true;
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing || category == QChar::Other_Format || u == 0xFF9E ||
           u == 0xFF9F;
}

// Calls `visit(start)` at the start of every character a reader sees (a grapheme
// cluster) except line breaks, until it returns false.
template <typename Visit> void EachCharacter(QStringView text, Visit visit)
{
    // Text made of single units needs no boundary finder, and the draft's count is
    // redone at every keystroke.
    bool simple = true;
    for (QChar c : text) {
        if (MayJoin(c)) {
            simple = false;
            break;
        }
    }
    if (simple) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!IsBreak(text.at(i)) && !visit(i))
                return;
        }
        return;
    }
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        if (!IsBreak(text.at(start)) && !visit(start))
            return;
        start = end;
    }
}

} // namespace

const QList<int>& DraftText::Limits()
{
    static const QList<int> limits{0, 200, 300, 400, 600, 800, 1000, 1200};
    return limits;
}

int DraftText::Count(QStringView text)
{
    int count = 0;
    EachCharacter(text, [&count](qsizetype) {
        ++count;
        return true;
    });
    return count;
}

QList<DraftText::Run> DraftText::Placeholders(QStringView text)
{
    // The outermost bracket pairs, in one pass: an inner pair gives way to the one
    // around it, and an opening bracket never closed stays plain.
    QList<Run> phrases;
    QList<qsizetype> open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == PhraseOpen) {
            open.append(i);
        } else if (text.at(i) == PhraseClose && !open.isEmpty()) {
            const qsizetype start = open.takeLast();
            while (!phrases.isEmpty() && phrases.last().start > start)
                phrases.removeLast();
            phrases.append({start, i + 1 - start});
        }
    }
    QList<Run> runs;
    qsizetype phrase = 0;
    for (qsizetype i = 0; i < text.size();) {
        if (phrase < phrases.size() && phrases.at(phrase).start == i) {
            runs.append(phrases.at(phrase));
            i += phrases.at(phrase++).length;
        } else if (text.at(i) == Placeholder) {
            qsizetype end = i;
            while (end < text.size() && text.at(end) == Placeholder)
                ++end;
            runs.append({i, end - i});
            i = end;
        } else {
            ++i;
        }
    }
    return runs;
}

std::optional<DraftText::Run> DraftText::NextPlaceholder(QStringView text, qsizetype from)
{
    const QList<Run> runs = Placeholders(text);
    if (runs.isEmpty())
        return std::nullopt;
    for (const Run& run : runs) {
        if (run.start >= from)
            return run;
    }
    return runs.first();
}

qsizetype DraftText::OverflowStart(QStringView text, int limit)
{
    if (limit <= 0)
        return -1;
    int count = 0;
    qsizetype over = -1;
    EachCharacter(text, [&](qsizetype start) {
        if (++count <= limit)
            return true;
        over = start;
        return false;
    });
    return over;
}

QString DraftText::Characters(int count)
{
    return QStringLiteral("%1 字").arg(count);
}

QString DraftText::Status(int count, int limit)
{
    const QString own = Characters(count);
    if (limit <= 0)
        return own;
    const QString against = own + QStringLiteral(" ／ ") + Characters(limit);
    if (count > limit)
        return against + QStringLiteral("（%1超過）").arg(Characters(count - limit));
    return against + QStringLiteral("（残り %1）").arg(Characters(limit - count));
}

QString DraftText::Appendix(QStringView draft, QStringView sample)
{
    QString added = sample.toString();
    added.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    added.replace(u'\r', u'\n');
    if (draft.isEmpty() || draft.endsWith(u'\n'))
        return added;
    return u'\n' + added;
}
