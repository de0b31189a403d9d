// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleRecord.h"

#include <QList>

// What a page that files its samples under single categories (fields of study or
// faculties) has chosen: one category, or nothing yet.
class CategorySelection
{
public:
    CategorySelection() = default;
    explicit CategorySelection(int category) : m_category(category) {}

    bool IsChosen() const { return m_category >= 0; }
    int Category() const { return m_category; }

    // Catalogue indices of the records the selection lists, in catalogue order.
    QList<int> Matches(const QList<SampleRecord>& catalogue) const;

    friend bool operator==(const CategorySelection&, const CategorySelection&) = default;

private:
    int m_category = -1;
};
