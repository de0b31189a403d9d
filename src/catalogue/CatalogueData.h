// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleRecord.h"

#include <QList>
#include <QString>

// The catalogues compiled in from data/*.cat at build time.
class CatalogueData
{
public:
    struct Catalogue
    {
        QString folder;
        int width = 0;
        int capacity = 0;
        QList<SampleRecord> records;
    };

    static const QList<Catalogue>& All();
    // The catalogue of a page's document folder; an empty one for an unknown folder.
    static const Catalogue& ForFolder(const QString& folder);
};
