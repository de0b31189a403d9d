// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"

#include <QList>
#include <QStringList>

// A long sentence may stand only once across all catalogues, so that a copied sample
// with a few words changed cannot pass for a new one.
class RepeatedSentences
{
public:
    // Characters (code points) from which a sentence counts as long.
    static constexpr int MinimumLength = 20;

    // The sentences of a record's text: each runs to 。, ！ or ？ or to its paragraph's
    // end, without the paragraph's indent.
    static QStringList Sentences(const QString& text);

    // One error for each long sentence seen before, naming both places as
    // "<file>:<line>: record <n> (<pdf>)"; `fileNames` runs parallel to `catalogues`.
    static QStringList Find(const QList<CatalogueFile>& catalogues, const QStringList& fileNames);
};
