// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// A sample the user wrote or registered: their own text, never a catalogue's.
// Tags are free words, kept as one string with single spaces between them.
struct OwnSample
{
    qint64 id = 0;
    QString title;
    QString text;
    QString tags;
    QDateTime created;
    QDateTime updated;

    friend bool operator==(const OwnSample&, const OwnSample&) = default;
};

// A draft kept under a name (a student's, say) with the limit it was written for.
struct KeptDraft
{
    QString name;
    QString text;
    int limit = 0;
    QDateTime kept;

    friend bool operator==(const KeptDraft&, const KeptDraft&) = default;
};
