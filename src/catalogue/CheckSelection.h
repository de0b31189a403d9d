// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CheckGroup.h"
#include "SampleRecord.h"

#include <QList>
#include <QString>

#include <array>

// The rules behind tab 1's tick boxes, on plain state: which boxes are ticked, which
// can be clicked, and which records the ticks select. The page keeps the catalogue
// and the list it shows; this keeps the selection that list is made from.
class CheckSelection
{
public:
    CheckSelection();

    bool IsTicked(int position) const { return m_ticked.at(position); }
    bool IsEnabled(int position) const { return m_enabled.at(position); }
    void SetTicked(int position, bool ticked) { m_ticked.at(position) = ticked; }

    // "1" at every ticked position, "0" elsewhere; disabled boxes count as well.
    QString BuildSelectionMask() const;

    // A box of `group` has changed; `catalogue` is the page's, in catalogue order.
    // Afterwards IsListing() tells whether the ticks list anything.
    void OnTickChanged(CheckGroup::Group group, const QList<SampleRecord>& catalogue);
    // Unticks every box and resets.
    void ClearAll();
    // Every box can be clicked again and nothing is listed; ticks stay.
    void ResetResults();

    // Whether the ticks list anything: false at the start and after a reset.
    bool IsListing() const { return m_listing; }
    // Catalogue indices of the records the selection lists, in catalogue order: those
    // matching every tick, or none while reset.
    QList<int> Matches(const QList<SampleRecord>& catalogue) const;

private:
    void DisableOtherGroups(CheckGroup::Group group);
    void NarrowHumanitiesBoxes(const QList<SampleRecord>& catalogue);

    std::array<bool, CheckGroup::BoxCount> m_ticked{};
    std::array<bool, CheckGroup::BoxCount> m_enabled{};
    bool m_listing = false;
};
