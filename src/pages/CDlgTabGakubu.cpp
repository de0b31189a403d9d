// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabGakubu.h"

#include "PageIdentity.h"

CDlgTabGakubu::CDlgTabGakubu(QWidget* parent, std::optional<QList<SampleRecord>> catalogue)
    : CategoryPage({.colour = PageColour,
                    .folder = PageIdentity::Of(PageIdentity::Gakubu).folder,
                    .catalogue = std::move(catalogue),
                    .topButtonY = 206},
                   {.topLeft = {2, 5}}, parent)
{}
