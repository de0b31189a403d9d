// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategorySelection.h"

#include "CategoryMask.h"

QList<int> CategorySelection::Matches(const QList<SampleRecord>& catalogue) const
{
    QList<int> matches;
    if (!IsChosen())
        return matches;
    for (qsizetype i = 0; i < catalogue.size(); ++i) {
        if (CategoryMask::HasCategory(catalogue.at(i).mask, m_category))
            matches << int(i);
    }
    return matches;
}
