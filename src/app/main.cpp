// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ctavoru_2Dlg.h"
#include "ProgramName.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kiravelo"));
    QApplication::setApplicationDisplayName(ProgramName::Shown());
    QApplication::setApplicationVersion(QStringLiteral(KIRAVELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(KIRAVELO_APP_ID));

    Ctavoru_2Dlg window;
    window.exec();
    return 0;
}
