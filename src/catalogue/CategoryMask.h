// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Tests on the '0'/'1' category strings of records and selections. Masks come from
// content files, so they may be short or hold stray characters: only an exact '1'
// files a record under a category, and only an exact '0' rules one out.
class CategoryMask
{
public:
    // Single-category rule: the record is filed under `category`.
    static bool HasCategory(const QString& mask, int category);

    // All-ticked rule: no ticked position of `selection` holds '0' in `mask`.
    static bool MatchesAllTicked(const QString& mask, const QString& selection);
};
