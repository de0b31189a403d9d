// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CategoryPage.h"

// Tab 3: self-recommendations, chosen by faculty with a single click. Samples are
// headed by their catalogue number and flag a PDF that is not in the document folder.
class CDlgTabJiko : public CategoryPage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{255, 243, 196};

    // `catalogue`: the page's own compiled-in one when not given.
    explicit CDlgTabJiko(QWidget* parent = nullptr,
                         std::optional<QList<SampleRecord>> catalogue = std::nullopt);
};
