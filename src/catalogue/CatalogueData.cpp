// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueData.h"

const CatalogueData::Catalogue& CatalogueData::ForFolder(const QString& folder)
{
    for (const Catalogue& catalogue : All()) {
        if (catalogue.folder == folder)
            return catalogue;
    }
    static const Catalogue none;
    return none;
}
