#pragma once

#include "CheckGroup.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The rules behind tab 1's tick boxes, on plain state: which boxes are ticked, which
// can be clicked, and which records the ticks select. The page copies the ticks in
// from its boxes, runs one of the handlers, then shows the outcome and copies the
// availability back out.
class CheckSelection
{
public:
    enum class Outcome
    {
        Reset, // nothing listed: the page shows its no-selection state
        Show,  // list the records that BuildSelectionMask selects
    };

    // `catalogueMasks`: the masks of the page's records, in catalogue order.
    explicit CheckSelection(QStringList catalogueMasks);

    bool IsTicked(int position) const { return m_ticked.at(position); }
    bool IsEnabled(int position) const { return m_enabled.at(position); }
    void SetTicked(int position, bool ticked) { m_ticked.at(position) = ticked; }

    // "1" at every ticked position, "0" elsewhere; disabled boxes count as well.
    QString BuildSelectionMask() const;

    // A box of `group` has been clicked and the ticks copied in.
    Outcome OnTickChanged(CheckGroup::Group group);
    // Unticks every box and resets.
    void ClearAll();
    // Every box can be clicked again and nothing is listed; ticks stay.
    void ResetResults();

    // Catalogue indices of what the page lists, in catalogue order.
    const QList<int>& Matches() const { return m_matches; }

private:
    void DisableOtherGroups(CheckGroup::Group group);
    void NarrowHumanitiesBoxes();

    QStringList m_catalogueMasks;
    std::array<bool, CheckGroup::BoxCount> m_ticked{};
    std::array<bool, CheckGroup::BoxCount> m_enabled{};
    QList<int> m_matches;
};
