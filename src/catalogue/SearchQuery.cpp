// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SearchQuery.h"

#include "SearchText.h"

#include <QSet>

#include <algorithm>

SearchQuery::SearchQuery(const QString& typed) : m_typed(typed)
{
    QSet<QString> seen;
    qsizetype i = 0;
    while (i < typed.size()) {
        // Words end at any white space; a space that NFKC would make is dropped by the
        // normaliser, so it cannot split a word either way.
        while (i < typed.size() && typed.at(i).isSpace())
            ++i;
        const qsizetype start = i;
        while (i < typed.size() && !typed.at(i).isSpace())
            ++i;
        const QString word = SearchText::Normalise(QStringView(typed).sliced(start, i - start));
        if (!word.isEmpty() && !seen.contains(word)) {
            seen.insert(word);
            m_words << word;
        }
    }
    std::stable_sort(m_words.begin(), m_words.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
}

bool SearchQuery::Narrows(const SearchQuery& earlier) const
{
    return std::all_of(
        earlier.m_words.cbegin(), earlier.m_words.cend(), [this](const QString& old) {
            return std::any_of(m_words.cbegin(), m_words.cend(),
                               [&old](const QString& word) { return word.contains(old); });
        });
}

bool SearchQuery::Matches(const QString& normalisedText) const
{
    return std::all_of(m_words.cbegin(), m_words.cend(), [&normalisedText](const QString& word) {
        return normalisedText.contains(word);
    });
}

QList<SearchQuery::Hit> SearchQuery::Hits(const QString& text) const
{
    QList<Hit> hits;
    if (IsEmpty())
        return hits;
    QList<SearchText::Source> sources;
    const QString normalised = SearchText::Normalise(text, &sources);
    for (const QString& word : m_words) {
        for (qsizetype at = normalised.indexOf(word); at >= 0;
             at = normalised.indexOf(word, at + 1)) {
            const qsizetype start = sources.at(at).start;
            hits.append({start, sources.at(at + word.size() - 1).end - start});
        }
    }
    std::sort(hits.begin(), hits.end(),
              [](const Hit& a, const Hit& b) { return a.start < b.start; });
    QList<Hit> merged;
    for (const Hit& hit : hits) {
        if (!merged.isEmpty() && hit.start <= merged.last().start + merged.last().length) {
            Hit& last = merged.last();
            last.length = std::max(last.start + last.length, hit.start + hit.length) - last.start;
        } else {
            merged.append(hit);
        }
    }
    return merged;
}

QString SearchQuery::Caption(const QString& selectionCaption) const
{
    if (IsEmpty())
        return selectionCaption;
    const QString quoted = u'\u300C' + m_typed + u'\u300D';
    return selectionCaption.isEmpty() ? quoted + QStringLiteral("を含む文例")
                                      : selectionCaption + u'\u3000' + quoted;
}
