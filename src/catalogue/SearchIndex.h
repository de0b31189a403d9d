// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleRecord.h"
#include "SearchQuery.h"

#include <QList>
#include <QStringList>

#include <optional>

// The texts of one catalogue in SearchText's form, normalised once when the catalogue
// is taken in, so that a keystroke only compares.
class SearchIndex
{
public:
    SearchIndex() = default;
    explicit SearchIndex(const QList<SampleRecord>& catalogue);

    qsizetype size() const { return m_texts.size(); }
    bool Matches(int record, const SearchQuery& query) const;

    // What a page lists for its selection and a query, in catalogue order: the records
    // of `listing` that match, or with no listing (nothing selected) every record of
    // the catalogue that matches. An empty query leaves the listing as it is.
    QList<int> Narrow(const std::optional<QList<int>>& listing, const SearchQuery& query) const;
    // The same for a typing session: when the query narrows the previous one over the
    // same listing, only the previous matches are compared, each word from where the
    // earlier word it holds was first found. The memory goes with the index, which a
    // changed catalogue replaces.
    QList<int> Follow(const std::optional<QList<int>>& listing, const SearchQuery& query);

private:
    QStringList m_texts;
    std::optional<QList<int>> m_lastListing;
    SearchQuery m_lastQuery;
    QList<int> m_lastMatches;
    QList<qsizetype> m_lastFound; // per match, per word: where it first occurs
};
