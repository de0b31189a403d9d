// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QTextStream>

// `text` as a C++ UTF-16 string literal, escaped so the source stays ASCII.
inline QString Utf16Literal(const QString& text)
{
    QString out = QStringLiteral("u\"");
    for (char32_t u : text.toUcs4()) {
        if (u == U'"' || u == U'\\')
            out += u'\\' + QString(QChar(char16_t(u)));
        else if (u == U'\r')
            out += QStringLiteral("\\r");
        else if (u == U'\n')
            out += QStringLiteral("\\n");
        else if (u >= 0x20 && u < 0x7f)
            out += QChar(char16_t(u));
        else if (u <= 0xffff)
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\U%1").arg(uint(u), 8, 16, QLatin1Char('0'));
    }
    return out + u'"';
}

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
