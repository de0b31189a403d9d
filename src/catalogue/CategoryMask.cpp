// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryMask.h"

bool CategoryMask::HasCategory(const QString& mask, int category)
{
    return category >= 0 && category < mask.size() && mask.at(category) == u'1';
}

bool CategoryMask::MatchesAllTicked(const QString& mask, const QString& selection)
{
    for (qsizetype p = 0; p < selection.size(); ++p) {
        if (selection.at(p) == u'1' && p < mask.size() && mask.at(p) == u'0')
            return false;
    }
    return true;
}
