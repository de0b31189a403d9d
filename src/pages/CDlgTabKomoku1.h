// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CategoryPage.h"

// Tab 0: recommendations and reasons for applying, chosen by field of study.
class CDlgTabKomoku1 : public CategoryPage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{255, 232, 241};

    // `catalogue`: the page's own compiled-in one when not given.
    explicit CDlgTabKomoku1(QWidget* parent = nullptr,
                            std::optional<QList<SampleRecord>> catalogue = std::nullopt);
};
