// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    // `catalogue`: the page's own compiled-in one when not given.
    explicit CDlgTabKomoku2(QWidget* parent = nullptr,
                            std::optional<QList<SampleRecord>> catalogue = std::nullopt);

    // The box at mask position `position` (0..29).
    QCheckBox* Box(int position) const { return m_boxes.at(position); }
    QPushButton* ClearAllButton() const { return m_clearAll; }
    const CheckSelection& Selection() const { return m_selection; }

protected:
    std::optional<QList<int>> SelectedRecords() const override;

private:
    void OnToggled(int position, bool ticked);
    void OnClearAll();
    void ShowSelection();

    CheckSelection m_selection;
    QList<QCheckBox*> m_boxes;
    QPushButton* m_clearAll;
};
