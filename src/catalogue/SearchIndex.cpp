// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SearchIndex.h"

#include "SearchText.h"

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
