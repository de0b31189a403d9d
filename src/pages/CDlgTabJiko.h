#pragma once

#include "CatalogueData.h"
#include "SamplePage.h"

// Tab 3: self-recommendations, chosen by faculty.
class CDlgTabJiko : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{255, 243, 196};
    static constexpr QColor TabColour{255, 153, 0};

    explicit CDlgTabJiko(
        QWidget* parent = nullptr,
        QList<SampleRecord> catalogue = CatalogueData::ForFolder(QStringLiteral("jiko")).records);
};
