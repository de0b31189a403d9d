#include "CheckSelection.h"

#include "CategoryMask.h"

CheckSelection::CheckSelection(QStringList catalogueMasks)
    : m_catalogueMasks(std::move(catalogueMasks))
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

CheckSelection::Outcome CheckSelection::OnTickChanged(CheckGroup::Group group)
{
    bool groupTicked = false;
    for (int p : CheckGroup::Positions(group))
        groupTicked = groupTicked || m_ticked.at(p);
    // Emptying one group starts over, even while other groups keep their ticks.
    if (!groupTicked) {
        ResetResults();
        return Outcome::Reset;
    }
    if (group != CheckGroup::HumanitiesAcademics)
        DisableOtherGroups(group);

    const QString selection = BuildSelectionMask();
    m_matches.clear();
    for (qsizetype r = 0; r < m_catalogueMasks.size(); ++r) {
        if (CategoryMask::MatchesAllTicked(m_catalogueMasks.at(r), selection))
            m_matches << int(r);
    }

    if (group == CheckGroup::HumanitiesAcademics)
        NarrowHumanitiesBoxes();
    return Outcome::Show;
}

void CheckSelection::ClearAll()
{
    m_ticked.fill(false);
    ResetResults();
}

void CheckSelection::ResetResults()
{
    m_enabled.fill(true);
    m_matches.clear();
}

void CheckSelection::DisableOtherGroups(CheckGroup::Group group)
{
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        if (CheckGroup::BoxAt(p).group != group)
            m_enabled.at(p) = false;
    }
}

void CheckSelection::NarrowHumanitiesBoxes()
{
    // Offer a box only while ticking it too would still leave something to list; a
    // ticked box stays clickable so that it can be unticked.
    for (int p : CheckGroup::Positions(CheckGroup::HumanitiesAcademics)) {
        bool carried = false;
        for (int r : std::as_const(m_matches))
            carried = carried || CategoryMask::HasCategory(m_catalogueMasks.at(r), p);
        m_enabled.at(p) = m_ticked.at(p) || carried;
    }
}
