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

private:
    QStringList m_texts;
};
