// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckSelection.h"

#include "CategoryMask.h"

CheckSelection::CheckSelection()
{
    m_enabled.fill(true);
}

QString CheckSelection::BuildSelectionMask() const
{
    QString mask(CheckGroup::BoxCount, u'0');
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        if (m_ticked.at(p))
            mask[p] = u'1';
    }
    return mask;
}

void CheckSelection::OnTickChanged(CheckGroup::Group group, const QList<SampleRecord>& catalogue)
{
    bool groupTicked = false;
    for (int p : CheckGroup::Positions(group))
        groupTicked = groupTicked || m_ticked.at(p);
    // Emptying one group starts over, even while other groups keep their ticks.
    if (!groupTicked) {
        ResetResults();
        return;
    }
    if (group != CheckGroup::HumanitiesAcademics)
        DisableOtherGroups(group);
    m_listing = true;
    if (group == CheckGroup::HumanitiesAcademics)
        NarrowHumanitiesBoxes(catalogue);
}

QList<int> CheckSelection::Matches(const QList<SampleRecord>& catalogue) const
{
    QList<int> matches;
    if (!m_listing)
        return matches;
    const QString selection = BuildSelectionMask();
    for (qsizetype r = 0; r < catalogue.size(); ++r) {
        if (CategoryMask::MatchesAllTicked(catalogue.at(r).mask, selection))
            matches << int(r);
    }
    return matches;
}

void CheckSelection::ClearAll()
{
    m_ticked.fill(false);
    ResetResults();
}

void CheckSelection::ResetResults()
{
    m_enabled.fill(true);
    m_listing = false;
}

void CheckSelection::DisableOtherGroups(CheckGroup::Group group)
{
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        if (CheckGroup::BoxAt(p).group != group)
            m_enabled.at(p) = false;
    }
}

void CheckSelection::NarrowHumanitiesBoxes(const QList<SampleRecord>& catalogue)
{
    // Offer a box only while ticking it too would still leave something to list; a
    // ticked box stays clickable so that it can be unticked.
    const QList<int> matches = Matches(catalogue);
    for (int p : CheckGroup::Positions(CheckGroup::HumanitiesAcademics)) {
        bool carried = false;
        for (int r : matches)
            carried = carried || CategoryMask::HasCategory(catalogue.at(r).mask, p);
        m_enabled.at(p) = m_ticked.at(p) || carried;
    }
}
