// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The line format in which own samples and stars travel between colleagues:
//
//   kiravelo-own-samples 1
//   star: gakubu_012.pdf
//
//   title: 部活動の部長として
//   tags: 部活動 リーダー
//   > 　本文の一行目
//   >
//   > # 本文は「> 」の後ろがそのまま残る
//
// A file from someone else is untrusted: it is checked whole before anything of it
// is used, and a fault names its line.
class LibraryExchange
{
public:
    static constexpr int Version = 1;
    static const QByteArray Header; // the first line without its version

    struct Sample
    {
        QString title;
        QString tags;
        QString text;
        friend bool operator==(const Sample&, const Sample&) = default;
    };
    struct Contents
    {
        QList<Sample> samples;
        QStringList stars;
        friend bool operator==(const Contents&, const Contents&) = default;
    };
    struct Fault
    {
        int line = 0; // counted from 1
        QString reason;
    };

    // UTF-8 with LF line ends, the header first.
    static QByteArray Write(const Contents& contents);
    // The whole file or nothing: on a fault, `fault` says where and why.
    static std::optional<Contents> Parse(QByteArrayView bytes, Fault* fault);

    // Free words separated by any white space, as one string with single spaces.
    static QString NormaliseTags(const QString& tags);
    // What the program keeps of a text: LF line ends only.
    static QString NormaliseText(const QString& text);
};
