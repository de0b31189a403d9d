// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A catalogue as a content editor writes it (data/<folder>.cat):
//
//   catalogue: koumoku1          the page's document folder
//   width: 46                    categories per mask
//   capacity: 9                  most records the page may hold
//   per-category: 200            optional: most records filed under any one category
//   placeholders: none           optional: forbid the fill-in mark ○
//
//   record: koumoku1_057.pdf     one block per record, blank line between blocks
//   mask: 1000…
//   　first paragraph            one line per paragraph, each opening with U+3000
//   　second paragraph
//
// Lines starting with '#' are comments. Paragraphs are joined with CR LF. A 〔…〕 phrase
// closes within its paragraph and is never empty.
class CatalogueFile
{
public:
    QString folder;
    int width = 0;
    int capacity = 0;
    int perCategory = 0; // 0: no limit beyond the capacity
    bool placeholdersAllowed = true;
    QList<SampleRecord> records;
    QList<int> recordLines; // where each record's 'record:' line stands

    // Parses and checks `content`; every fault found is appended to `errors` as
    // "<file>:<line>: record <n> (<pdf>): <reason>". Returns true when there is none.
    bool Parse(const QByteArray& content, const QString& fileName, QStringList* errors);

    // The faults of one record against this catalogue's rules, as reasons.
    QStringList Check(const SampleRecord& record) const;
};
