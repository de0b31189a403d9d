// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CategorySelection.h"
#include "SamplePage.h"

class FieldSelector;

// A page that files its samples under single categories, chosen from a column of
// labels under its title banner: the selector its page identity names, one choice at
// a time. A choice shows its caption, then the records filed under it.
class CategoryPage : public SamplePage
{
    Q_OBJECT
public:
    struct Banner
    {
        QPoint topLeft; // dialog units
    };

    CategoryPage(Parameters parameters, Banner banner, QWidget* parent);

    FieldSelector* Selector() const { return m_selector; }
    const CategorySelection& Selection() const { return m_selection; }
    // Takes category `index` as its selector choice does.
    void Choose(int index);

protected:
    std::optional<QList<int>> SelectedRecords() const override;

private:
    FieldSelector* m_selector;
    CategorySelection m_selection;
};
