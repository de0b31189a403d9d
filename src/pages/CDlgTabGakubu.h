#pragma once

#include "CatalogueData.h"
#include "SamplePage.h"

// Tab 2: recommendations by faculty, chosen by field of study.
class CDlgTabGakubu : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{236, 255, 196};
    static constexpr QColor TabColour{143, 213, 0};

    explicit CDlgTabGakubu(
        QWidget* parent = nullptr,
        QList<SampleRecord> catalogue = CatalogueData::ForFolder(QStringLiteral("gakubu")).records);
};
