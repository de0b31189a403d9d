// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LibraryExchange.h"
#include "OwnSample.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>
#include <initializer_list>
#include <optional>

class QSqlQuery;

// What the user keeps between runs: stars by record name, their own samples and
// their kept drafts, in one SQLite file. Nothing is written until the user keeps
// something: an existing file is read through a read-only connection, and a missing
// one is created at the first change. Each change is one transaction, confirmed
// only once committed. A file that cannot be read (not a database, damaged, made by
// a newer version) is left exactly as it is and every change is refused.
class Library : public QObject
{
    Q_OBJECT
public:
    // 1: stars and own samples; 2: tags on own samples, kept drafts.
    static constexpr int SchemaVersion = 2;
    static constexpr int BusyMilliseconds = 10000;

    explicit Library(QString path, QObject* parent = nullptr);
    ~Library() override;

    // library.sqlite in the program's data folder.
    static QString DefaultPath();
    const QString& Path() const { return m_path; }

    // Reads the file, if there is one, the first time it is called; creates nothing.
    void Open();
    bool IsOpened() const { return m_opened; }
    // Reads again when another program has changed the file since; true if it had.
    bool Reload();
    // Why the library cannot be read or changed; empty while it can.
    QString Problem() const { return m_problem; }
    // A file exists (the user has kept something, here or in another window).
    bool InUse() const;

    bool IsStarred(const QString& record) const { return m_stars.contains(record); }
    const QSet<QString>& Stars() const { return m_stars; }
    // Newest first.
    const QList<OwnSample>& Samples() const { return m_samples; }
    const QList<KeptDraft>& Drafts() const { return m_drafts; }
    std::optional<OwnSample> Sample(qint64 id) const;
    // Grow whenever the own samples, or the stars, are not what they were.
    quint64 SamplesRevision() const { return m_samplesRevision; }
    quint64 StarsRevision() const { return m_starsRevision; }
    std::optional<KeptDraft> Draft(const QString& name) const;

    // Each a transaction of its own; false (with LastError()) when it was not kept,
    // and then nothing changed.
    bool SetStarred(const QString& record, bool starred);
    std::optional<qint64> AddSample(const QString& title, const QString& text, const QString& tags);
    bool UpdateSample(qint64 id, const QString& title, const QString& text, const QString& tags);
    bool RemoveSample(qint64 id);
    // Puts back a removed sample as it was (undo).
    bool RestoreSample(const OwnSample& sample);
    bool KeepDraft(const QString& name, const QString& text, int limit);

    struct Imported
    {
        int added = 0;
        int present = 0; // skipped: their text is already here
    };
    // Adds the samples whose text is new and every star, in one transaction.
    std::optional<Imported> Import(const LibraryExchange::Contents& contents);
    // Own samples (newest first) and stars, as 書き出し… writes them.
    LibraryExchange::Contents Export() const;

    QString LastError() const { return m_lastError; }

signals:
    // What the library holds changed: kept here, or read again after another window.
    void Changed();
    // The file has been read for the first time (Problem() tells if it could not be).
    void Opened();

private:
    bool Read();
    bool OpenConnection(bool writable);
    void CloseConnection();
    bool Change(const std::function<bool()>& statements);
    bool Migrate(int from);
    bool Exec(const QString& statement);
    // Prepares `statement` on `query`, binds `values` in order and runs it; a fault is kept
    // as the last error.
    bool Exec(QSqlQuery& query, const QString& statement, std::initializer_list<QVariant> values);
    void Refuse(const QString& reason);
    QString Broken(const QString& why) const;

    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_opened = false;
    bool m_writable = false;
    bool m_broken = false; // never written while set
    bool m_recovering = false;
    qint64 m_dataVersion = -1;
    QString m_stamp; // size and time of the file when last read or written
    QString m_problem;
    QString m_lastError;
    QSet<QString> m_stars;
    QList<OwnSample> m_samples;
    quint64 m_samplesRevision = 0;
    quint64 m_starsRevision = 0;
    QList<KeptDraft> m_drafts;
};
