// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabKomoku1.h"

#include "PageIdentity.h"

CDlgTabKomoku1::CDlgTabKomoku1(QWidget* parent, std::optional<QList<SampleRecord>> catalogue)
    : CategoryPage({.colour = PageColour,
                    .folder = PageIdentity::Of(PageIdentity::Koumoku1).folder,
                    .catalogue = std::move(catalogue)},
                   {.topLeft = {3, 5}}, parent)
{}
