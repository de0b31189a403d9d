// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The fifteen faculties by which tab 3 files its self-recommendations. A faculty's
// position in the table is its position in every mask of that page, and its name is
// both its label and the whole selection caption: this page has no fields.
class JikoFacultyTable
{
public:
    static constexpr int FacultyCount = 15;

    struct Faculty
    {
        int labelId;
        int arrowId;
        QString name;
        QRect labelRect; // dialog units
        QRect arrowRect; // dialog units
    };

    static const QList<Faculty>& faculties();
};
