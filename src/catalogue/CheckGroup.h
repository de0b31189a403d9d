// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

// Tab 1's 30 tick boxes: which category position each box stands for, its control id,
// caption, group and place, and the headings drawn above each group. A box's position
// is its character in the records' masks.
class CheckGroup
{
public:
    enum Group
    {
        HumanitiesAcademics,
        ScienceAcademics,
        Character,
        Activities,
    };

    static constexpr int GroupCount = 4;
    static constexpr int BoxCount = 30;

    struct Box
    {
        int id;
        QString caption;
        Group group;
        QRect rect; // dialog units
    };

    struct Heading
    {
        int id;
        QString text;
        bool main;      // a section title rather than the humanities/sciences line under it
        QPoint topLeft; // dialog units
    };

    // In position order.
    static const QList<Box>& Boxes();
    static const Box& BoxAt(int position) { return Boxes().at(position); }
    // The position of the box with control `id`, or -1.
    static int PositionOf(int id);
    static QList<int> Positions(Group group);
    // Top to bottom.
    static QList<Heading> Headings(Group group);
};
