// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftText.h"

namespace {

bool IsBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // The low half of a pair was counted with its high half.
        if (IsBreak(c) || (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            continue;
        ++count;
    }
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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsBreak(c) || (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            continue;
        if (++count > limit)
            return i;
    }
    return -1;
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
