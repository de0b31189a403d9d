// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's name as its users see it: the window's title, its questions, the
// creator of the PDFs it writes and the usage guide's running head.
class ProgramName
{
public:
    static QString Shown() { return QStringLiteral("KiraveloVer2"); }
};
