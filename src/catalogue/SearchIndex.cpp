// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SearchIndex.h"

#include "SearchText.h"

#include <algorithm>
#include <numeric>

SearchIndex::SearchIndex(const QList<SampleRecord>& catalogue)
{
    m_texts.reserve(catalogue.size());
    for (const SampleRecord& record : catalogue)
        m_texts << SearchText::Normalise(record.text);
}

bool SearchIndex::Matches(int record, const SearchQuery& query) const
{
    return record >= 0 && record < m_texts.size() && query.Matches(m_texts.at(record));
}

QList<int> SearchIndex::Narrow(const std::optional<QList<int>>& listing,
                               const SearchQuery& query) const
{
    if (query.IsEmpty())
        return listing.value_or(QList<int>());
    QList<int> narrowed;
    if (listing) {
        for (int record : *listing) {
            if (Matches(record, query))
                narrowed << record;
        }
        return narrowed;
    }
    for (int record = 0; record < m_texts.size(); ++record) {
        if (query.Matches(m_texts.at(record)))
            narrowed << record;
    }
    return narrowed;
}

QList<int> SearchIndex::Follow(const std::optional<QList<int>>& listing, const SearchQuery& query)
{
    if (query.IsEmpty())
        return listing.value_or(QList<int>());
    const QStringList& words = query.Words();
    const QStringList& earlier = m_lastQuery.Words();
    const bool narrows =
        !m_lastQuery.IsEmpty() && query.Narrows(m_lastQuery) && listing == m_lastListing;
    // A word holding an earlier word at `offset` cannot occur before that word's first
    // occurrence less the offset.
    struct From
    {
        qsizetype word = -1;
        qsizetype offset = 0;
    };
    QList<From> from(words.size());
    for (qsizetype w = 0; narrows && w < words.size(); ++w) {
        for (qsizetype e = 0; e < earlier.size(); ++e) {
            const qsizetype offset = words.at(w).indexOf(earlier.at(e));
            if (offset >= 0) {
                from[w] = {e, offset};
                break;
            }
        }
    }
    QList<int> candidates;
    if (narrows) {
        candidates = m_lastMatches;
    } else if (listing) {
        candidates = *listing;
    } else {
        candidates.resize(m_texts.size());
        std::iota(candidates.begin(), candidates.end(), 0);
    }
    QList<int> matches;
    QList<qsizetype> found;
    for (qsizetype c = 0; c < candidates.size(); ++c) {
        const int record = candidates.at(c);
        if (record < 0 || record >= m_texts.size())
            continue;
        const QString& text = m_texts.at(record);
        const qsizetype mark = found.size();
        bool all = true;
        for (qsizetype w = 0; all && w < words.size(); ++w) {
            qsizetype start = 0;
            if (from.at(w).word >= 0)
                start = std::max<qsizetype>(
                    0, m_lastFound.at(c * earlier.size() + from.at(w).word) - from.at(w).offset);
            const qsizetype at = text.indexOf(words.at(w), start);
            all = at >= 0;
            found << at;
        }
        if (all)
            matches << record;
        else
            found.resize(mark);
    }
    m_lastListing = listing;
    m_lastQuery = query;
    m_lastMatches = matches;
    m_lastFound = found;
    return matches;
}
