#pragma once

#include "CatalogueData.h"
#include "FieldSelector.h"
#include "SamplePage.h"

// Tab 3: self-recommendations, chosen by faculty with a single click. Samples are
// headed by their catalogue number and flag a PDF that is not in the document folder.
class CDlgTabJiko : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{255, 243, 196};
    static constexpr int ArrowWidth = 7; // dialog units

    explicit CDlgTabJiko(
        QWidget* parent = nullptr,
        QList<SampleRecord> catalogue = CatalogueData::ForFolder(QStringLiteral("jiko")).records);

    // The fifteen faculties, each taken at once; the caption is the faculty's name.
    static QList<FieldSelector::Entry> SelectorEntries();

    FieldSelector* Selector() const { return m_selector; }

private:
    FieldSelector* m_selector;
};
