#pragma once

#include "CatalogueData.h"
#include "SamplePage.h"

class FieldSelector;

// Tab 0: recommendations and reasons for applying, chosen by field of study.
class CDlgTabKomoku1 : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{255, 232, 241};

    explicit CDlgTabKomoku1(QWidget* parent = nullptr,
                            QList<SampleRecord> catalogue =
                                CatalogueData::ForFolder(QStringLiteral("koumoku1")).records);

    FieldSelector* Selector() const { return m_selector; }

private:
    FieldSelector* m_selector;
};
