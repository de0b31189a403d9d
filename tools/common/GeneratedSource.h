// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QTextStream>

// Writes source a build-time tool made, only where it changed, so that nothing
// downstream rebuilds for nothing. The tool's exit status: 0, or 1 when it cannot.
inline int WriteGeneratedSource(const QString& path, const QString& code)
{
    const QByteArray bytes = code.toUtf8();
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return 0;
    existing.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        QTextStream(stderr) << "error: cannot write " << path << '\n';
        return 1;
    }
    return 0;
}
