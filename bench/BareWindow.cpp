// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: an empty Qt dialog of the main window's size. Given
// "text", it also shows one line of Japanese, so the cost of finding and loading a
// Japanese font, which any window with such text pays, can be told apart.
#include "FirstPaint.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QDialog window;
    window.setFixedSize(992, 669);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        new QLabel(QStringLiteral("項目別推薦文(推薦・志望理由)"), &window);
    FirstPaint done(&window);
    window.show();
    return app.exec();
}
