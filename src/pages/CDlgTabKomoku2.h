#pragma once

#include "CatalogueData.h"
#include "SamplePage.h"

// Tab 1: appraisals of academics, character and activities, chosen by ticked qualities.
class CDlgTabKomoku2 : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{221, 238, 255};
    static constexpr QColor TabColour{51, 153, 255};

    explicit CDlgTabKomoku2(QWidget* parent = nullptr,
                            QList<SampleRecord> catalogue =
                                CatalogueData::ForFolder(QStringLiteral("koumoku2")).records);
};
