// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Library.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>

namespace {

QDateTime FromMs(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

// An empty text is still text: the columns refuse NULL.
QVariant Text(const QString& text)
{
    return QVariant(text.isNull() ? QStringLiteral("") : text);
}

// SQLite's result codes, as Qt's driver reports them.
bool IsBusy(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QStringLiteral("5") || code == QStringLiteral("6");
}

// Read-only, with a hot journal beside the file (SQLITE_READONLY_ROLLBACK).
bool NeedsRecovery(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    return code == QStringLiteral("776") || code == QStringLiteral("8");
}

QString Why(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    if (code == QStringLiteral("26"))
        return QStringLiteral("SQLite のデータベースではありません");
    if (code == QStringLiteral("11"))
        return QStringLiteral("ファイルが壊れています");
    if (IsBusy(error))
        return QStringLiteral("別のウィンドウが使用中です。しばらくして、もう一度お試しください");
    if (code == QStringLiteral("13"))
        return QStringLiteral("ディスクに空きがありません");
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

QString Stamp(const QString& path)
{
    const QFileInfo info(path);
    return QStringLiteral("%1/%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

bool NewestFirst(const OwnSample& a, const OwnSample& b)
{
    return a.created != b.created ? a.created > b.created : a.id > b.id;
}

} // namespace

Library::Library(QString path, QObject* parent)
    : QObject(parent), m_path(std::move(path)),
      m_connection(QStringLiteral("kiravelo-library-%1").arg(quintptr(this)))
{}

Library::~Library()
{
    CloseConnection();
}

QString Library::DefaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("library.sqlite"));
}

bool Library::InUse() const
{
    return QFileInfo::exists(m_path);
}

std::optional<OwnSample> Library::Sample(qint64 id) const
{
    for (const OwnSample& sample : m_samples) {
        if (sample.id == id)
            return sample;
    }
    return std::nullopt;
}

std::optional<KeptDraft> Library::Draft(const QString& name) const
{
    for (const KeptDraft& draft : m_drafts) {
        if (draft.name == name)
            return draft;
    }
    return std::nullopt;
}

void Library::Open()
{
    if (m_opened)
        return;
    m_opened = true;
    Read();
    emit Opened();
}

bool Library::OpenConnection(bool writable)
{
    CloseConnection();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!m_db.isValid()) {
        m_problem =
            Broken(QStringLiteral("Qt の SQLite ドライバ（libqt6sql6-sqlite）がありません"));
        return false;
    }
    m_db.setDatabaseName(m_path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyMilliseconds);
    // Until the user keeps something the file is only read, and reading creates nothing.
    if (!writable)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        m_lastError = Why(m_db.lastError());
        return false;
    }
    m_writable = writable;
    return true;
}

void Library::CloseConnection()
{
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
    m_writable = false;
}

QString Library::Broken(const QString& why) const
{
    return QStringLiteral(
               "自分の文例の書庫を開けませんでした：%1（%2。ファイルには手を触れていません）")
        .arg(why, QDir::toNativeSeparators(m_path));
}

bool Library::Read()
{
    m_problem.clear();
    m_broken = false;
    if (!QFileInfo::exists(m_path)) {
        CloseConnection();
        m_stars.clear();
        m_samples.clear();
        m_drafts.clear();
        return true;
    }
    if (!m_db.isOpen() && !OpenConnection(false)) {
        m_broken = true;
        m_stamp = Stamp(m_path);
        if (m_problem.isEmpty())
            m_problem = Broken(m_lastError);
        return false;
    }
    QSqlQuery query(m_db);
    query.setForwardOnly(true); // read once, row by row: no copy of every row kept
    const auto failed = [&](const QSqlError& error) {
        query.finish();
        Exec(QStringLiteral("ROLLBACK"));
        if (NeedsRecovery(error) && !m_recovering) {
            // A program stopped in the middle of keeping left its journal: only a
            // writer may roll it back, which puts back the last confirmed state.
            m_recovering = true;
            CloseConnection();
            const bool recovered =
                OpenConnection(true) && Exec(QStringLiteral("PRAGMA user_version"));
            CloseConnection();
            const bool read = recovered && Read();
            m_recovering = false;
            return read;
        }
        if (IsBusy(error)) {
            m_problem = Why(error); // passing: the next activation tries again
            return false;
        }
        m_broken = true;
        m_stamp = Stamp(m_path);
        m_problem = Broken(Why(error));
        return false;
    };
    // One read transaction: a change committed meanwhile is seen whole or not at all.
    if (!query.exec(QStringLiteral("BEGIN")) ||
        !query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return failed(query.lastError());
    const int version = query.value(0).toInt();
    if (version > SchemaVersion) {
        query.finish();
        Exec(QStringLiteral("ROLLBACK"));
        m_broken = true;
        m_stamp = Stamp(m_path);
        m_problem = Broken(
            QStringLiteral("新しい版のプログラムで作られた書庫です（形式 %1）").arg(version));
        return false;
    }
    QSet<QString> stars;
    QList<OwnSample> samples;
    QList<KeptDraft> drafts;
    if (version == 0) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
            return failed(query.lastError());
        if (query.value(0).toInt() > 0) {
            query.finish();
            Exec(QStringLiteral("ROLLBACK"));
            m_broken = true;
            m_stamp = Stamp(m_path);
            m_problem = Broken(QStringLiteral("このプログラムの書庫ではありません"));
            return false;
        }
    } else {
        if (!query.exec(QStringLiteral("SELECT record FROM stars")))
            return failed(query.lastError());
        while (query.next())
            stars.insert(query.value(0).toString());
        if (!query.exec(QStringLiteral("PRAGMA encoding")) || !query.next())
            return failed(query.lastError());
        // SQLite's own turning of UTF-8 into UTF-16 took most of the time opening
        // 10,000 samples: they are read as the bytes stored, and Qt's decoder is faster.
        const bool utf8 = query.value(0).toString() == QLatin1String("UTF-8");
        const auto text = [&query, utf8](int column) {
            return utf8 ? QString::fromUtf8(query.value(column).toByteArray())
                        : query.value(column).toString();
        };
        const auto column = [utf8](const QString& name) {
            return utf8 ? QStringLiteral("CAST(%1 AS BLOB)").arg(name) : name;
        };
        // Version 1 had no tags.
        const QString tags = version >= 2 ? column(QStringLiteral("tags")) : QStringLiteral("''");
        if (!query.exec(
                QStringLiteral("SELECT id, %1, %2, %3, created, updated FROM samples "
                               "ORDER BY created DESC, id DESC")
                    .arg(column(QStringLiteral("title")), column(QStringLiteral("text")), tags)))
            return failed(query.lastError());
        while (query.next())
            samples << OwnSample{query.value(0).toLongLong(),
                                 text(1),
                                 text(2),
                                 text(3),
                                 FromMs(query.value(4).toLongLong()),
                                 FromMs(query.value(5).toLongLong())};
        if (version >= 2) {
            if (!query.exec(QStringLiteral("SELECT name, text, draft_limit, kept FROM drafts "
                                           "ORDER BY kept DESC, name")))
                return failed(query.lastError());
            while (query.next())
                drafts << KeptDraft{query.value(0).toString(), query.value(1).toString(),
                                    query.value(2).toInt(), FromMs(query.value(3).toLongLong())};
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return failed(query.lastError());
    m_dataVersion = query.value(0).toLongLong();
    query.finish();
    Exec(QStringLiteral("COMMIT"));
    m_stamp = Stamp(m_path);
    m_stars = std::move(stars);
    m_samples = std::move(samples);
    m_drafts = std::move(drafts);
    ++m_starsRevision;
    ++m_samplesRevision;
    return true;
}

bool Library::Reload()
{
    if (!m_opened)
        return false;
    const bool exists = QFileInfo::exists(m_path);
    if (m_broken || !m_db.isOpen()) {
        // Nothing to read yet, or a broken file nobody has touched since.
        if (!exists || (m_broken && Stamp(m_path) == m_stamp))
            return false;
        CloseConnection();
    } else if (exists && Stamp(m_path) == m_stamp) {
        QSqlQuery query(m_db);
        if (query.exec(QStringLiteral("PRAGMA data_version")) && query.next() &&
            query.value(0).toLongLong() == m_dataVersion)
            return false;
    } else {
        CloseConnection(); // replaced or removed: read the file now at that path
    }
    const bool wasBroken = m_broken;
    Read();
    if (!wasBroken || !m_broken)
        emit Changed();
    return true;
}

bool Library::Exec(const QString& statement)
{
    QSqlQuery query(m_db);
    if (query.exec(statement))
        return true;
    m_lastError = Why(query.lastError());
    return false;
}

bool Library::Exec(QSqlQuery& query, const QString& statement,
                   std::initializer_list<QVariant> values)
{
    if (query.prepare(statement)) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (query.exec())
            return true;
    }
    m_lastError = Why(query.lastError());
    return false;
}

void Library::Refuse(const QString& reason)
{
    m_lastError = reason;
}

bool Library::Migrate(int from)
{
    // One step per version, each leaving the schema of the next.
    static const QList<QStringList> steps = {
        {QStringLiteral("CREATE TABLE stars (record TEXT PRIMARY KEY NOT NULL, "
                        "kept INTEGER NOT NULL)"),
         QStringLiteral("CREATE TABLE samples (id INTEGER PRIMARY KEY, title TEXT NOT NULL, "
                        "text TEXT NOT NULL, created INTEGER NOT NULL, updated INTEGER NOT NULL)")},
        {QStringLiteral("ALTER TABLE samples ADD COLUMN tags TEXT NOT NULL DEFAULT ''"),
         QStringLiteral("CREATE TABLE drafts (name TEXT PRIMARY KEY NOT NULL, text TEXT NOT NULL, "
                        "draft_limit INTEGER NOT NULL, kept INTEGER NOT NULL)")},
    };
    static_assert(SchemaVersion == 2, "a new version needs its migration step");
    // A new file keeps its texts in UTF-16, as Qt holds them: Japanese takes two bytes a
    // character rather than three, and reading them back converts nothing. (A file
    // made before keeps UTF-8: its encoding is fixed when it is made.)
    if (from == 0 && !Exec(QStringLiteral("PRAGMA encoding = 'UTF-16le'")))
        return false;
    for (int version = from; version < SchemaVersion; ++version) {
        for (const QString& statement : steps.at(version)) {
            if (!Exec(statement))
                return false;
        }
        if (!Exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1)))
            return false;
    }
    return true;
}

bool Library::Change(const std::function<bool()>& statements)
{
    m_lastError.clear();
    Open();
    if (m_broken) {
        Refuse(m_problem);
        return false;
    }
    const auto cannot = [this](const QString& why) {
        m_lastError = QStringLiteral("保管できませんでした：%1（%2）")
                          .arg(why, QDir::toNativeSeparators(m_path));
        return false;
    };
    if (!m_writable) {
        const QString folder = QFileInfo(m_path).absolutePath();
        if (!QDir().mkpath(folder))
            return cannot(
                QStringLiteral("フォルダ %1 を作れません").arg(QDir::toNativeSeparators(folder)));
        if (!OpenConnection(true)) {
            const QString why = m_lastError;
            OpenConnection(false);
            return cannot(why);
        }
        // The rollback journal: a reader creates no file beside the library.
        if (!Exec(QStringLiteral("PRAGMA journal_mode=DELETE")))
            return cannot(m_lastError);
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return cannot(Why(query.lastError()));
    const auto rollBack = [&](const QString& why) {
        query.finish();
        Exec(QStringLiteral("ROLLBACK"));
        return cannot(why);
    };
    // The version is checked before any statement that could write.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        const QSqlError error = query.lastError();
        if (!IsBusy(error)) {
            m_broken = true;
            m_stamp = Stamp(m_path);
            m_problem = Broken(Why(error));
        }
        return rollBack(Why(error));
    }
    const int version = query.value(0).toInt();
    query.finish();
    if (version > SchemaVersion) {
        m_broken = true;
        m_stamp = Stamp(m_path);
        m_problem = Broken(
            QStringLiteral("新しい版のプログラムで作られた書庫です（形式 %1）").arg(version));
        return rollBack(QStringLiteral("新しい版のプログラムで作られた書庫です"));
    }
    if (version == 0) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
            return rollBack(Why(query.lastError()));
        const bool foreign = query.value(0).toInt() > 0;
        query.finish();
        if (foreign) {
            m_broken = true;
            m_stamp = Stamp(m_path);
            m_problem = Broken(QStringLiteral("このプログラムの書庫ではありません"));
            return rollBack(QStringLiteral("このプログラムの書庫ではありません"));
        }
    }
    if (!Migrate(version) || !statements())
        return rollBack(m_lastError);
    if (!query.exec(QStringLiteral("COMMIT")))
        return rollBack(Why(query.lastError()));
    // Our own commits leave data_version as it was; the stamp moves with them.
    m_stamp = Stamp(m_path);
    if (m_dataVersion < 0 && query.exec(QStringLiteral("PRAGMA data_version")) && query.next())
        m_dataVersion = query.value(0).toLongLong();
    return true;
}

bool Library::SetStarred(const QString& record, bool starred)
{
    if (record.isEmpty())
        return false;
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        if (starred)
            return Exec(query,
                        QStringLiteral("INSERT OR IGNORE INTO stars (record, kept) VALUES (?, ?)"),
                        {QVariant(record), QVariant(QDateTime::currentMSecsSinceEpoch())});
        return Exec(query, QStringLiteral("DELETE FROM stars WHERE record = ?"),
                    {QVariant(record)});
    });
    if (!kept)
        return false;
    if (starred)
        m_stars.insert(record);
    else
        m_stars.remove(record);
    ++m_starsRevision;
    emit Changed();
    return true;
}

std::optional<qint64> Library::AddSample(const QString& title, const QString& text,
                                         const QString& tags)
{
    OwnSample sample{0,
                     title.trimmed(),
                     LibraryExchange::NormaliseText(text),
                     LibraryExchange::NormaliseTags(tags),
                     QDateTime::currentDateTimeUtc(),
                     {}};
    sample.updated = sample.created;
    if (sample.text.trimmed().isEmpty()) {
        Refuse(QStringLiteral("本文が空です"));
        return std::nullopt;
    }
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        if (!Exec(query,
                  QStringLiteral("INSERT INTO samples (title, text, tags, created, updated) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {Text(sample.title), Text(sample.text), Text(sample.tags),
                   QVariant(sample.created.toMSecsSinceEpoch()),
                   QVariant(sample.updated.toMSecsSinceEpoch())}))
            return false;
        sample.id = query.lastInsertId().toLongLong();
        return true;
    });
    if (!kept)
        return std::nullopt;
    m_samples.insert(std::lower_bound(m_samples.begin(), m_samples.end(), sample, NewestFirst),
                     sample);
    ++m_samplesRevision;
    emit Changed();
    return sample.id;
}

bool Library::UpdateSample(qint64 id, const QString& title, const QString& text,
                           const QString& tags)
{
    const auto it = std::find_if(m_samples.begin(), m_samples.end(),
                                 [id](const OwnSample& s) { return s.id == id; });
    if (it == m_samples.end()) {
        Refuse(QStringLiteral("その文例はもうありません"));
        return false;
    }
    OwnSample sample = *it;
    sample.title = title.trimmed();
    sample.text = LibraryExchange::NormaliseText(text);
    sample.tags = LibraryExchange::NormaliseTags(tags);
    sample.updated = QDateTime::currentDateTimeUtc();
    if (sample.text.trimmed().isEmpty()) {
        Refuse(QStringLiteral("本文が空です"));
        return false;
    }
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        return Exec(
            query,
            QStringLiteral(
                "UPDATE samples SET title = ?, text = ?, tags = ?, updated = ? WHERE id = ?"),
            {Text(sample.title), Text(sample.text), Text(sample.tags),
             QVariant(sample.updated.toMSecsSinceEpoch()), QVariant(id)});
    });
    if (!kept)
        return false;
    *std::find_if(m_samples.begin(), m_samples.end(),
                  [id](const OwnSample& s) { return s.id == id; }) = sample;
    ++m_samplesRevision;
    emit Changed();
    return true;
}

bool Library::RemoveSample(qint64 id)
{
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        return Exec(query, QStringLiteral("DELETE FROM samples WHERE id = ?"), {QVariant(id)});
    });
    if (!kept)
        return false;
    m_samples.removeIf([id](const OwnSample& s) { return s.id == id; });
    ++m_samplesRevision;
    emit Changed();
    return true;
}

bool Library::RestoreSample(const OwnSample& sample)
{
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        return Exec(query,
                    QStringLiteral("INSERT OR REPLACE INTO samples "
                                   "(id, title, text, tags, created, updated) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    {QVariant(sample.id), Text(sample.title), Text(sample.text), Text(sample.tags),
                     QVariant(sample.created.toMSecsSinceEpoch()),
                     QVariant(sample.updated.toMSecsSinceEpoch())});
    });
    if (!kept)
        return false;
    m_samples.removeIf([&sample](const OwnSample& s) { return s.id == sample.id; });
    m_samples.insert(std::lower_bound(m_samples.begin(), m_samples.end(), sample, NewestFirst),
                     sample);
    ++m_samplesRevision;
    emit Changed();
    return true;
}

bool Library::KeepDraft(const QString& name, const QString& text, int limit)
{
    const KeptDraft draft{name.trimmed(), LibraryExchange::NormaliseText(text), limit,
                          QDateTime::currentDateTimeUtc()};
    if (draft.name.isEmpty()) {
        Refuse(QStringLiteral("名前がありません"));
        return false;
    }
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        return Exec(query,
                    QStringLiteral("INSERT OR REPLACE INTO drafts (name, text, draft_limit, kept) "
                                   "VALUES (?, ?, ?, ?)"),
                    {Text(draft.name), Text(draft.text), QVariant(draft.limit),
                     QVariant(draft.kept.toMSecsSinceEpoch())});
    });
    if (!kept)
        return false;
    m_drafts.removeIf([&draft](const KeptDraft& d) { return d.name == draft.name; });
    m_drafts.prepend(draft);
    emit Changed();
    return true;
}

std::optional<Library::Imported> Library::Import(const LibraryExchange::Contents& contents)
{
    Open();
    QSet<QString> texts;
    for (const OwnSample& sample : m_samples)
        texts.insert(sample.text);
    Imported count;
    QList<OwnSample> added;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const LibraryExchange::Sample& sample : contents.samples) {
        const QString text = LibraryExchange::NormaliseText(sample.text);
        if (texts.contains(text) || text.trimmed().isEmpty()) {
            ++count.present;
            continue;
        }
        texts.insert(text);
        added << OwnSample{
            0, sample.title.trimmed(), text, LibraryExchange::NormaliseTags(sample.tags), now, now};
    }
    count.added = int(added.size());
    QStringList stars;
    for (const QString& star : contents.stars) {
        if (!m_stars.contains(star))
            stars << star;
    }
    if (added.isEmpty() && stars.isEmpty())
        return count;
    const bool kept = Change([&] {
        QSqlQuery query(m_db);
        // Inserted last to first, so that newest first lists them in the file's order.
        query.prepare(QStringLiteral(
            "INSERT INTO samples (title, text, tags, created, updated) VALUES (?, ?, ?, ?, ?)"));
        for (auto it = added.rbegin(); it != added.rend(); ++it) {
            for (const QVariant& value :
                 {Text(it->title), Text(it->text), Text(it->tags),
                  QVariant(now.toMSecsSinceEpoch()), QVariant(now.toMSecsSinceEpoch())})
                query.addBindValue(value);
            if (!query.exec()) {
                m_lastError = Why(query.lastError());
                return false;
            }
            it->id = query.lastInsertId().toLongLong();
        }
        query.prepare(QStringLiteral("INSERT OR IGNORE INTO stars (record, kept) VALUES (?, ?)"));
        for (const QString& star : stars) {
            query.addBindValue(star);
            query.addBindValue(now.toMSecsSinceEpoch());
            if (!query.exec()) {
                m_lastError = Why(query.lastError());
                return false;
            }
        }
        return true;
    });
    if (!kept)
        return std::nullopt;
    for (const OwnSample& sample : added)
        m_samples.insert(std::lower_bound(m_samples.begin(), m_samples.end(), sample, NewestFirst),
                         sample);
    for (const QString& star : stars)
        m_stars.insert(star);
    ++m_samplesRevision;
    ++m_starsRevision;
    emit Changed();
    return count;
}

LibraryExchange::Contents Library::Export() const
{
    LibraryExchange::Contents contents;
    for (const OwnSample& sample : m_samples)
        contents.samples << LibraryExchange::Sample{sample.title, sample.tags, sample.text};
    contents.stars = m_stars.values();
    contents.stars.sort();
    return contents;
}
