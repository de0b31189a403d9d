// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent model of tab 1's tick boxes, written straight from the rules as the
// user sees them. Tests drive it alongside the real thing and compare.

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <array>

class TickReference
{
public:
    static constexpr int Boxes = 30;

    explicit TickReference(QStringList masks) : m_masks(std::move(masks)) { enabled.fill(true); }

    // Box ids: 1003 to 1012, then 1014 to 1032 (1013 is the clear-all button), then 1042.
    static int IdAt(int position)
    {
        if (position <= 9)
            return 1003 + position;
        if (position <= 28)
            return 1004 + position;
        return 1042;
    }

    // 0 humanities academics, 1 science academics, 2 character, 3 activities.
    static int GroupAt(int position)
    {
        const int id = IdAt(position);
        if (id >= 1003 && id <= 1009)
            return 0;
        if (id >= 1010 && id <= 1017)
            return 1;
        if (id >= 1018 && id <= 1029)
            return 2;
        return 3;
    }

    // A click on a box: a disabled box ignores it, an enabled one flips its tick and
    // its group's handler runs.
    void Click(int position)
    {
        if (!enabled[position])
            return;
        ticked[position] = !ticked[position];
        TickChanged(GroupAt(position));
    }

    void ClearAll()
    {
        ticked.fill(false);
        Reset();
    }

    QString Selection() const
    {
        QString s;
        for (bool t : ticked)
            s += t ? QStringLiteral("1") : QStringLiteral("0");
        return s;
    }

    std::array<bool, Boxes> ticked{};
    std::array<bool, Boxes> enabled{};
    QList<int> matches;
    bool listing = false; // false at the start and after a reset

private:
    void Reset()
    {
        enabled.fill(true);
        matches.clear();
        listing = false;
    }

    void TickChanged(int group)
    {
        bool any = false;
        for (int p = 0; p < Boxes; ++p)
            any = any || (GroupAt(p) == group && ticked[p]);
        if (!any) {
            Reset();
            return;
        }
        // Disable-by-id table of the three groups that lock the others out.
        auto disable = [this](int from, int to) {
            for (int p = 0; p < Boxes; ++p) {
                if (IdAt(p) >= from && IdAt(p) <= to)
                    enabled[p] = false;
            }
        };
        if (group == 1) {
            disable(1003, 1009);
            disable(1018, 1032);
            disable(1042, 1042);
        } else if (group == 2) {
            disable(1003, 1012);
            disable(1014, 1017);
            disable(1030, 1032);
            disable(1042, 1042);
        } else if (group == 3) {
            disable(1003, 1012);
            disable(1014, 1029);
        }

        listing = true;
        const QString selection = Selection();
        matches.clear();
        for (int r = 0; r < m_masks.size(); ++r) {
            bool excluded = false;
            for (int p = 0; p < Boxes; ++p)
                excluded = excluded || (selection.mid(p, 1) == QStringLiteral("1") &&
                                        m_masks[r].mid(p, 1) == QStringLiteral("0"));
            if (!excluded)
                matches << r;
        }

        if (group == 0) {
            for (int p = 0; p <= 6; ++p) {
                bool carried = false;
                for (int r : matches)
                    carried = carried || m_masks[r].mid(p, 1) == QStringLiteral("1");
                enabled[p] = ticked[p] || carried;
            }
        }
    }

    QStringList m_masks;
};

// Masks that give long match lists and deep narrowing: mostly "1", some "0", a few
// stray characters and short masks, which neither file nor exclude.
inline QStringList SyntheticMasks(quint32 seed, int records)
{
    QRandomGenerator random(seed);
    QStringList masks;
    for (int r = 0; r < records; ++r) {
        QString mask;
        const int length = random.bounded(8) == 0 ? int(random.bounded(31)) : 30;
        for (int p = 0; p < length; ++p) {
            const int roll = int(random.bounded(20));
            mask += roll < 13 ? u'1' : roll < 19 ? u'0' : u'x';
        }
        masks << mask;
    }
    return masks;
}
