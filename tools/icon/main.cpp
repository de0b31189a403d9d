// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon as PNG files for the desktop's icon theme.
#include "Artwork.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0) {
        QTextStream(stderr) << "usage: kiravelo-icon SIZE OUTPUT.png [SIZE OUTPUT.png]...\n";
        return 2;
    }
    for (qsizetype i = 0; i < args.size(); i += 2) {
        const int size = args.at(i).toInt();
        if (size <= 0 || !Artwork::IconImage(size).save(args.at(i + 1), "PNG")) {
            QTextStream(stderr) << "error: cannot write the " << args.at(i) << " px icon to "
                                << args.at(i + 1) << '\n';
            return 1;
        }
    }
    return 0;
}
