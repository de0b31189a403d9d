#pragma once

#include "CatalogueData.h"
#include "SamplePage.h"

class FieldSelector;

// Tab 2: recommendations by faculty, chosen by field of study. Samples are headed by
// their catalogue number and flag a PDF that is not in the document folder.
class CDlgTabGakubu : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{236, 255, 196};
    static constexpr QColor BannerColour{126, 187, 0};
    static constexpr int ArrowWidth = 7; // dialog units

    explicit CDlgTabGakubu(
        QWidget* parent = nullptr,
        QList<SampleRecord> catalogue = CatalogueData::ForFolder(QStringLiteral("gakubu")).records);

    FieldSelector* Selector() const { return m_selector; }

private:
    FieldSelector* m_selector;
};
