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
    QList<Run> runs;
    for (qsizetype i = text.indexOf(Placeholder); i >= 0; i = text.indexOf(Placeholder, i)) {
        qsizetype end = i;
        while (end < text.size() && text.at(end) == Placeholder)
            ++end;
        runs.append({i, end - i});
        i = end;
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

QString DraftText::Status(int count, int limit)
{
    const QString own = QStringLiteral("%1 字").arg(count);
    if (limit <= 0)
        return own;
    const QString against = own + QStringLiteral(" ／ %1 字").arg(limit);
    if (count > limit)
        return against + QStringLiteral("（%1 字超過）").arg(count - limit);
    return against + QStringLiteral("（残り %1 字）").arg(limit - count);
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
