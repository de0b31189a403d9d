// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the user typed into the search field, split into words at half- and full-width
// spaces (and any other white space) and normalised as SearchText compares. A query
// with no words left is empty and selects nothing away.
class SearchQuery
{
public:
    // An occurrence of a word in a text, in UTF-16 units of that text.
    struct Hit
    {
        qsizetype start = 0;
        qsizetype length = 0;

        friend bool operator==(const Hit&, const Hit&) = default;
    };

    SearchQuery() = default;
    explicit SearchQuery(const QString& typed);

    // As typed, for captions.
    const QString& Typed() const { return m_typed; }
    bool IsEmpty() const { return m_words.isEmpty(); }
    // Normalised, without repeats, longest first: a long word rules a text out soonest.
    const QStringList& Words() const { return m_words; }

    // What a page's caption reads for its selection's caption while this query is
    // active: "selection　「typed」", or "「typed」を含む文例" where the selection has no
    // caption of its own (nothing chosen, or ticks); the selection's alone without words.
    QString Caption(const QString& selectionCaption) const;
    // Whether every text this query matches is matched by `earlier` too: each of its
    // words lies within one of this query's (characters added, or words).
    bool Narrows(const SearchQuery& earlier) const;
    // Whether a text already normalised by SearchText holds every word.
    bool Matches(const QString& normalisedText) const;
    // Where the words occur in `text` (not normalised), in order, overlaps merged.
    QList<Hit> Hits(const QString& text) const;

private:
    QString m_typed;
    QStringList m_words;
};
