// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The library file under every state it can be found in, and under two processes
// and a kill; the exchange format's round trip and its faults.
#include "Library.h"
#include "LibraryExchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const char* ChildVariable = "KIRAVELO_LIBRARY_CHILD";

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A file as an earlier or later program, or another one, leaves it.
void MakeDatabase(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString& statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(statement));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
}

// The child: keeps samples one by one and says so after each is confirmed.
int KeepInChild()
{
    const QStringList args = qEnvironmentVariable(ChildVariable).split(u'|');
    Library library(args.at(0));
    library.Open();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 2;
    if (args.at(2) == QStringLiteral("mid-keep")) {
        // One keep confirmed, then killed while a large one is half written.
        if (!library.AddSample(args.at(1), args.at(1), QString()) ||
            !library.SetStarred(args.at(1), true))
            return 1;
        out.write(args.at(1).toUtf8() + '\n');
        out.flush();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("w"));
        db.setDatabaseName(args.at(0));
        if (!db.open())
            return 1;
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA cache_size = 1"));
        query.exec(QStringLiteral("BEGIN IMMEDIATE"));
        for (int i = 0; i < 500; ++i)
            query.exec(QStringLiteral("INSERT INTO samples VALUES (NULL, 'x', '%1', 0, 0, '')")
                           .arg(QString(500, u'x')));
        raise(SIGKILL);
    }
    for (int i = 0; i < args.at(2).toInt(); ++i) {
        const QString text = args.at(1) + QString::number(i);
        if (!library.AddSample(text, text, QString()) || !library.SetStarred(text, true))
            return 1;
        out.write(text.toUtf8() + '\n');
        out.flush();
    }
    return 0;
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT
private slots:
    void fileStates_data();
    void fileStates();
    void processes_data();
    void processes();
    void exchange_data();
    void exchange();
};

void TestLibrary::fileStates_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<bool>("keeps");
    QTest::addColumn<int>("samplesBefore");
    QTest::newRow("absent: created at the first keep") << "absent" << true << 0;
    QTest::newRow("version 1: read, then migrated") << "version 1" << true << 1;
    QTest::newRow("garbage") << "garbage" << false << 0;
    QTest::newRow("truncated") << "truncated" << false << 0;
    QTest::newRow("future version") << "future" << false << 0;
    QTest::newRow("another program's database") << "foreign" << false << 0;
    QTest::newRow("folder cannot be made") << "folder is a file" << false << 0;
}

void TestLibrary::fileStates()
{
    QFETCH(QString, made);
    QFETCH(bool, keeps);
    QFETCH(int, samplesBefore);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("data/library.sqlite"));
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("data"))));
    if (made == QStringLiteral("version 1")) {
        MakeDatabase(
            path,
            {QStringLiteral(
                 "CREATE TABLE stars (record TEXT PRIMARY KEY NOT NULL, kept INTEGER NOT NULL)"),
             QStringLiteral(
                 "CREATE TABLE samples (id INTEGER PRIMARY KEY, title TEXT NOT NULL, text TEXT NOT "
                 "NULL, created INTEGER NOT NULL, updated INTEGER NOT NULL)"),
             QStringLiteral("INSERT INTO samples VALUES (1, '古い題', '古い本文', 0, 0)"),
             QStringLiteral("PRAGMA user_version = 1")});
    } else if (made == QStringLiteral("future")) {
        MakeDatabase(path, {QStringLiteral("CREATE TABLE later (x)"),
                            QStringLiteral("PRAGMA user_version = 3")});
    } else if (made == QStringLiteral("foreign")) {
        MakeDatabase(path, {QStringLiteral("CREATE TABLE notes (x)")});
    } else if (made == QStringLiteral("garbage") || made == QStringLiteral("truncated")) {
        QByteArray bytes(5000, 'x');
        if (made == QStringLiteral("truncated")) {
            Library full(path);
            for (int i = 0; i < 200; ++i)
                QVERIFY(full.AddSample(QString::number(i), QString(300, u'字'), QString()));
            bytes = Bytes(path).left(Bytes(path).size() / 2);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    } else if (made == QStringLiteral("folder is a file")) {
        QFile file(dir.filePath(QStringLiteral("data/file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        path = dir.filePath(QStringLiteral("data/file/library.sqlite"));
    }
    const QByteArray before = Bytes(path);
    const QStringList around = QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files);

    {
        Library library(path);
        library.Open();
        // Reading leaves the folder as it was, whatever it found.
        QCOMPARE(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files), around);
        QCOMPARE(library.Problem().isEmpty(),
                 made != QStringLiteral("garbage") && made != QStringLiteral("truncated") &&
                     made != QStringLiteral("future") && made != QStringLiteral("foreign"));
        QCOMPARE(library.Samples().size(), samplesBefore);
        QCOMPARE(library.SetStarred(QStringLiteral("gakubu_001.pdf"), true), keeps);
        QCOMPARE(
            library.AddSample(QStringLiteral("題"), QStringLiteral("本文"), QStringLiteral("a  b"))
                .has_value(),
            keeps);
        QCOMPARE(library.LastError().isEmpty(), keeps);
        if (!keeps) {
            QCOMPARE(Bytes(path), before);
            QCOMPARE(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files), around);
            return;
        }
    }
    // Reopened: what was kept, migrated to the current version, is there.
    Library again(path);
    again.Open();
    QVERIFY2(again.Problem().isEmpty(), qPrintable(again.Problem()));
    QVERIFY(again.IsStarred(QStringLiteral("gakubu_001.pdf")));
    QCOMPARE(again.Samples().size(), samplesBefore + 1);
    QCOMPARE(again.Samples().first().tags, QStringLiteral("a b"));
    QVERIFY(again.KeepDraft(QStringLiteral("山田"), QStringLiteral("下書き"), 400));
    QCOMPARE(again.Drafts().size(), 1);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(QStringLiteral("PRAGMA user_version"), db);
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), Library::SchemaVersion);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    // The rollback journal: nothing stays beside the file.
    QCOMPARE(QDir(dir.filePath(QStringLiteral("data"))).entryList(QDir::Files),
             QStringList{QStringLiteral("library.sqlite")});
}

void TestLibrary::processes_data()
{
    QTest::addColumn<int>("children");
    QTest::addColumn<bool>("kill");
    QTest::newRow("killed while keeping") << 1 << true;
    QTest::newRow("two keeping at once") << 2 << false;
    QTest::newRow("killed in the middle of a keep: its journal rolled back") << 1 << false;
}

void TestLibrary::processes()
{
    QFETCH(int, children);
    QFETCH(bool, kill);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("library.sqlite"));
    constexpr int Each = 40;
    QList<QProcess*> running;
    const bool midKeep = QByteArray(QTest::currentDataTag()).startsWith("killed in");
    for (int child = 0; child < children; ++child) {
        auto* process = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QString::fromLatin1(ChildVariable),
            QStringLiteral("%1|c%2-|%3")
                .arg(path)
                .arg(child)
                .arg(midKeep ? QStringLiteral("mid-keep") : QString::number(kill ? 100000 : Each)));
        process->setProcessEnvironment(environment);
        process->start(QCoreApplication::applicationFilePath());
        running << process;
    }
    QStringList confirmed;
    if (kill) {
        QProcess* process = running.first();
        while (confirmed.size() < Each) {
            QVERIFY(process->waitForReadyRead(20000));
            while (process->canReadLine())
                confirmed << QString::fromUtf8(process->readLine()).trimmed();
        }
        process->kill(); // SIGKILL, in the middle of a keep
    }
    for (QProcess* process : running) {
        QVERIFY(process->waitForFinished(60000));
        confirmed += QString::fromUtf8(process->readAll()).split(u'\n', Qt::SkipEmptyParts);
        if (!kill && !midKeep)
            QCOMPARE(process->exitCode(), 0);
    }
    if (midKeep)
        QVERIFY(QFile::exists(path + QStringLiteral("-journal")));
    else if (!kill)
        QCOMPARE(confirmed.size(), Each * children);
    Library library(path);
    library.Open();
    QVERIFY2(library.Problem().isEmpty(), qPrintable(library.Problem()));
    QSet<QString> texts;
    for (const OwnSample& sample : library.Samples())
        texts.insert(sample.text);
    for (const QString& text : confirmed) {
        QVERIFY2(texts.contains(text), qPrintable(text));
        QVERIFY2(library.IsStarred(text), qPrintable(text));
    }
}

void TestLibrary::exchange_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("faultLine"); // 0: parses, and survives a round trip
    const QByteArray header = "kiravelo-own-samples 1\n";
    QTest::newRow("every text survives")
        << header + "star: a.pdf\nstar: a.pdf\n\n# comment\ntitle: 題\ntags: x　 y\n>  "
                    "先頭の空白\n>\n> # 見出しではない\n"
                    "title:\n> 二つ目\r\n"
        << 0;
    QTest::newRow("no header") << QByteArray("title: x\n> y\n") << 1;
    QTest::newRow("newer version") << QByteArray("kiravelo-own-samples 2\n") << 1;
    QTest::newRow("title without text") << header + "title: x\n\ntitle: y\n> z\n" << 2;
    QTest::newRow("text without title") << header + "> z\n" << 2;
    QTest::newRow("tags after text") << header + "title: x\n> z\ntags: a\n" << 4;
    QTest::newRow("unknown line") << header + "title: x\n> z\nauthor: me\n" << 4;
    QTest::newRow("no space after >") << header + "title: x\n>z\n" << 3;
    QTest::newRow("not UTF-8") << header + "title: \xff\n> z\n" << 2;
    QTest::newRow("empty text") << header + "title: x\n> \n" << 2;
}

void TestLibrary::exchange()
{
    QFETCH(QByteArray, file);
    QFETCH(int, faultLine);
    LibraryExchange::Fault fault;
    const auto contents = LibraryExchange::Parse(file, &fault);
    QCOMPARE(contents.has_value() ? 0 : fault.line, faultLine);
    if (!contents) {
        QVERIFY(!fault.reason.isEmpty());
        return;
    }
    QCOMPARE(contents->stars, QStringList{QStringLiteral("a.pdf")});
    QCOMPARE(contents->samples.size(), 2);
    QCOMPARE(contents->samples.first().text, QStringLiteral(" 先頭の空白\n\n# 見出しではない"));
    QCOMPARE(contents->samples.first().tags, QStringLiteral("x y"));
    QCOMPARE(LibraryExchange::Parse(LibraryExchange::Write(*contents), &fault), contents);

    // Imported into a library that holds one of the texts: that one is skipped.
    QTemporaryDir dir;
    Library library(dir.filePath(QStringLiteral("library.sqlite")));
    QVERIFY(library.AddSample(QStringLiteral("既存"), QStringLiteral("二つ目"), QString()));
    const auto imported = library.Import(*contents);
    QVERIFY(imported);
    QCOMPARE(imported->added, 1);
    QCOMPARE(imported->present, 1);
    QVERIFY(library.IsStarred(QStringLiteral("a.pdf")));
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(ChildVariable))
        return KeepInChild();
    TestLibrary test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_library.moc"
