// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up as main() does it, ended at the first painted frame.
#include "Ctavoru_2Dlg.h"
#include "FirstPaint.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kiravelo"));
    QApplication::setApplicationDisplayName(QStringLiteral("KiraveloVer2"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.0"));
    QApplication::setDesktopFileName(QStringLiteral("kiravelo"));

    Ctavoru_2Dlg window;
    FirstPaint done(&window);
    window.show();
    return app.exec();
}
