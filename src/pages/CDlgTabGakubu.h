// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CategoryPage.h"

// Tab 2: recommendations by faculty, chosen by field of study. Samples are headed by
// their catalogue number and flag a PDF that is not in the document folder.
class CDlgTabGakubu : public CategoryPage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{236, 255, 196};

    // `catalogue`: the page's own compiled-in one when not given.
    explicit CDlgTabGakubu(QWidget* parent = nullptr,
                           std::optional<QList<SampleRecord>> catalogue = std::nullopt);
};
