#pragma once

#include "CatalogueData.h"
#include "CheckSelection.h"
#include "SamplePage.h"

class QCheckBox;
class QPushButton;

// Tab 1: appraisals of academics, character and activities, chosen by ticking any
// number of qualities; every ticked quality must match.
class CDlgTabKomoku2 : public SamplePage
{
    Q_OBJECT
public:
    static constexpr QColor PageColour{221, 238, 255};
    static const QString ClearAllCaption;

    explicit CDlgTabKomoku2(QWidget* parent = nullptr,
                            QList<SampleRecord> catalogue =
                                CatalogueData::ForFolder(QStringLiteral("koumoku2")).records);

    // The box at mask position `position` (0..29).
    QCheckBox* Box(int position) const { return m_boxes.at(position); }
    QPushButton* ClearAllButton() const { return m_clearAll; }

private:
    void OnTickChanged(CheckGroup::Group group);
    void OnClearAll();
    void CopyTicksIn();
    void ShowOutcome(CheckSelection::Outcome outcome);

    CheckSelection m_selection;
    QList<QCheckBox*> m_boxes;
    QPushButton* m_clearAll;
};
