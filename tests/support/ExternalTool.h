// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Runs a command-line program the build or the desktop relies on and keeps what it
// printed, for tests that check files through the same tools a user has.
struct ExternalTool
{
    int exitCode = -1;
    QString output; // standard output, UTF-8
    QString errors; // standard error

    static bool Installed(const QString& program)
    {
        return !QStandardPaths::findExecutable(program).isEmpty();
    }

    static ExternalTool Run(const QString& program, const QStringList& arguments)
    {
        ExternalTool run;
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
            run.errors =
                QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
            return run;
        }
        run.exitCode = process.exitCode();
        run.output = QString::fromUtf8(process.readAllStandardOutput());
        run.errors = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
};
