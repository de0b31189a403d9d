// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Ctavoru_2Dlg.h"

#include <QList>
#include <QTest>
#include <QUrl>

#include <memory>

// The main window as the tests drive it: documents from a folder of the test's, every
// document handed to the desktop recorded instead, the exit question answered by the
// test, shown and active.
struct WindowFixture
{
    std::unique_ptr<Ctavoru_2Dlg> window;
    QList<QUrl> opened;
    int asked = 0; // exit questions asked
    ExitQuestion::Choice answer = ExitQuestion::Choice::Cancel;

    // A fresh window; `documents` empty: where the built program looks.
    bool Open(const QString& documents = QString())
    {
        opened.clear();
        asked = 0;
        window = std::make_unique<Ctavoru_2Dlg>();
        if (!documents.isEmpty())
            window->Documents().SetDocumentFolder(documents);
        window->Documents().SetLauncher([this](const QUrl& url) {
            opened << url;
            return true;
        });
        window->SetExitQuestion([this](QWidget*) {
            ++asked;
            return answer;
        });
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
};
