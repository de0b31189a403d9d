// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueData.h"
#include "CatalogueFile.h"
#include "CheckGroup.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"
#include "PageIdentity.h"
#include "RepeatedSentences.h"

#include <QTest>

namespace {

// 字数 as a form counts it: every character (code point) but line breaks.
int FormLength(const QString& text)
{
    int n = 0;
    for (char32_t u : text.toUcs4())
        n += u != U'\r' && u != U'\n';
    return n;
}

CatalogueFile Parsed(const QByteArray& records, QStringList* errors)
{
    CatalogueFile file;
    file.Parse("catalogue: t\nwidth: 3\ncapacity: 9\n\n" + records, QStringLiteral("t.cat"),
               errors);
    return file;
}

} // namespace

class TestCatalogueContent : public QObject
{
    Q_OBJECT
private slots:
    void deliveredCatalogues_data();
    void deliveredCatalogues();
    void malformedEntriesAreRejected_data();
    void malformedEntriesAreRejected();
    void wellFormedFileParses();
    void everyCategoryHasSamples_data();
    void everyCategoryHasSamples();
    void repeatedSentencesAreRefused_data();
    void repeatedSentencesAreRefused();
};

void TestCatalogueContent::deliveredCatalogues_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("width"); // the categories its page's selector offers
    for (const PageIdentity::Page& page : PageIdentity::All()) {
        if (page.selector == PageIdentity::Selector::Own)
            continue; // what the user keeps, not a catalogue
        const int width = page.selector == PageIdentity::Selector::Fields ? FieldTable::FieldCount
                          : page.selector == PageIdentity::Selector::Qualities
                              ? CheckGroup::BoxCount
                              : int(JikoFacultyTable::faculties().size());
        QTest::addRow("%s", qPrintable(page.folder)) << page.folder << width;
    }
}

void TestCatalogueContent::deliveredCatalogues()
{
    QFETCH(QString, folder);
    const CatalogueData::Catalogue& c = CatalogueData::ForFolder(folder);
    QCOMPARE(c.folder, folder);
    QTEST(c.width, "width");
    QVERIFY(c.records.size() <= c.capacity);
    // Whatever the compiler let through must pass the same checks at run time.
    CatalogueFile rules;
    rules.folder = c.folder;
    rules.width = c.width;
    rules.capacity = c.capacity;
    for (const SampleRecord& r : c.records)
        QVERIFY2(rules.Check(r).isEmpty(), qPrintable(rules.Check(r).join(QStringLiteral("; "))));
}

void TestCatalogueContent::malformedEntriesAreRejected_data()
{
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QString>("reason");

    const QByteArray ok = "mask: 101\n\u3000本文です。\n";
    QTest::newRow("mask too short") << QByteArray("record: t_001.pdf\nmask: 10\n\u3000本文。\n")
                                    << QStringLiteral("mask has 2 characters");
    QTest::newRow("mask too long") << QByteArray("record: t_001.pdf\nmask: 1010\n\u3000本文。\n")
                                   << QStringLiteral("mask has 4 characters");
    QTest::newRow("mask character") << QByteArray("record: t_001.pdf\nmask: 1x1\n\u3000本文。\n")
                                    << QStringLiteral("only 0 and 1");
    QTest::newRow("full-width digit") << QByteArray("record: t_001.pdf\nmask: 1１1\n\u3000本文。\n")
                                      << QStringLiteral("only 0 and 1");
    QTest::newRow("no mask") << QByteArray("record: t_001.pdf\n\u3000本文。\n")
                             << QStringLiteral("'mask:' line is missing");
    QTest::newRow("duplicate PDF")
        << QByteArray("record: t_001.pdf\n" + ok + "\nrecord: t_001.pdf\n" + ok)
        << QStringLiteral("used by an earlier record");
    QTest::newRow("PDF of another folder")
        << QByteArray("record: u_001.pdf\n" + ok) << QStringLiteral("not of the form t_NNN.pdf");
    QTest::newRow("PDF with a path")
        << QByteArray("record: ../t_001.pdf\n" + ok) << QStringLiteral("not of the form");
    QTest::newRow("PDF without digits")
        << QByteArray("record: t_ab.pdf\n" + ok) << QStringLiteral("not of the form");
    QTest::newRow("empty PDF") << QByteArray("record:\n" + ok) << QStringLiteral("not of the form");
    QTest::newRow("no indent") << QByteArray("record: t_001.pdf\nmask: 101\n本文。\n")
                               << QStringLiteral("paragraph 1 does not open");
    QTest::newRow("second paragraph no indent")
        << QByteArray("record: t_001.pdf\nmask: 101\n\u3000本文。\n次。\n")
        << QStringLiteral("paragraph 2 does not open");
    QTest::newRow("ascii indent") << QByteArray("record: t_001.pdf\nmask: 101\n 本文。\n")
                                  << QStringLiteral("does not open with an ideographic space");
    QTest::newRow("no final stop") << QByteArray("record: t_001.pdf\nmask: 101\n\u3000本文\n")
                                   << QStringLiteral("does not end with 。");
    QTest::newRow("trailing space") << QByteArray("record: t_001.pdf\nmask: 101\n\u3000本文。 \n")
                                    << QStringLiteral("ends in white space");
    QTest::newRow("no text") << QByteArray("record: t_001.pdf\nmask: 101\n")
                             << QStringLiteral("no paragraph");
    QTest::newRow("CR LF file") << QByteArray("record: t_001.pdf\r\nmask: 101\r\n\u3000本文。\r\n")
                                << QStringLiteral("carriage return");
    QTest::newRow("invalid UTF-8") << QByteArray("record: t_001.pdf\nmask: 101\n\u3000本\xff文。\n")
                                   << QStringLiteral("invalid byte");
    QTest::newRow("placeholder forbidden")
        << QByteArray("placeholders: none\nrecord: t_001.pdf\nmask: 101\n\u3000評定は○です。\n")
        << QStringLiteral("fill-in mark");
    QTest::newRow("〕 in the next paragraph")
        << QByteArray("record: t_001.pdf\nmask: 101\n\u3000〔演習。\n\u3000名〕。\n")
        << QStringLiteral("paragraph 1 leaves the 〔 at character 2 unclosed");
    QTest::newRow("empty 〔〕") << QByteArray("record: t_001.pdf\nmask: 101\n\u3000〔\u3000〕。\n")
                                << QStringLiteral("empty 〔〕 at character 2");
    QTest::newRow("over capacity")
        << QByteArray("record: t_001.pdf\n" + ok + "\nrecord: t_002.pdf\n" + ok +
                      "\nrecord: t_003.pdf\n" + ok)
        << QStringLiteral("exceed the capacity of 2");
    QTest::newRow("stray header line")
        << QByteArray("colour: red\n") << QStringLiteral("unknown or malformed line");
}

void TestCatalogueContent::malformedEntriesAreRejected()
{
    QFETCH(QByteArray, records);
    QFETCH(QString, reason);
    const QByteArray content = "# test\ncatalogue: t\nwidth: 3\ncapacity: 2\n\n" + records;
    CatalogueFile file;
    QStringList errors;
    QVERIFY(!file.Parse(content, QStringLiteral("data/t.cat"), &errors));
    const QString all = errors.join(u'\n');
    QVERIFY2(all.contains(reason), qPrintable(all));
    // Every message names the file; those about a record name it too.
    for (const QString& e : errors) {
        QVERIFY2(e.startsWith(QStringLiteral("data/t.cat:")), qPrintable(e));
        if (e.contains(reason) && !reason.contains(QStringLiteral("capacity")) &&
            !reason.contains(QStringLiteral("carriage")) &&
            !reason.contains(QStringLiteral("unknown")))
            QVERIFY2(e.contains(QStringLiteral("record ")), qPrintable(e));
    }
}

void TestCatalogueContent::wellFormedFileParses()
{
    const QByteArray content =
        "catalogue: t\nwidth: 3\ncapacity: 2\n\n"
        "record: t_001.pdf\nmask: 101\n\u3000一つ目。\n\u3000二つ目は○です。\n\n"
        "# a comment between records\n"
        "record: t_002.pdf\nmask: 010\n\u3000三つ目。\n";
    CatalogueFile file;
    QStringList errors;
    QVERIFY2(file.Parse(content, QStringLiteral("t.cat"), &errors), qPrintable(errors.join(u'\n')));
    QCOMPARE(file.records.size(), 2);
    QCOMPARE(file.records.at(0).text, QStringLiteral("\u3000一つ目。\r\n\u3000二つ目は○です。"));
    QCOMPARE(file.records.at(0).mask, QStringLiteral("101"));
    QCOMPARE(file.records.at(1).pdfName, QStringLiteral("t_002.pdf"));
}

void TestCatalogueContent::everyCategoryHasSamples_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("least");
    QTest::addColumn<QList<int>>("bands"); // upper ends; each band begins 30 or 40 字 lower
    QTest::newRow("koumoku1: a teacher's and an applicant's at least")
        << QStringLiteral("koumoku1") << 2 << QList<int>{400, 800};
    QTest::newRow("gakubu") << QStringLiteral("gakubu") << 2 << QList<int>{200, 400, 800};
    QTest::newRow("jiko") << QStringLiteral("jiko") << 3 << QList<int>{400, 800};
}

// Teachers fill boxes of 200, 400 and 800 字: the samples must fill every category and
// spread over lengths just under those limits.
void TestCatalogueContent::everyCategoryHasSamples()
{
    QFETCH(QString, folder);
    QFETCH(int, least);
    QFETCH(QList<int>, bands);
    const CatalogueData::Catalogue& c = CatalogueData::ForFolder(folder);
    QList<int> filed(c.width, 0);
    QList<int> inBand(bands.size(), 0);
    for (const SampleRecord& r : c.records) {
        for (int i = 0; i < c.width; ++i)
            filed[i] += r.mask.at(i) == u'1';
        const int length = FormLength(r.text);
        QVERIFY2(length <= 800, qPrintable(QStringLiteral("%1: %2 字").arg(r.pdfName).arg(length)));
        for (qsizetype b = 0; b < bands.size(); ++b)
            inBand[b] += length <= bands.at(b) && length >= bands.at(b) * 19 / 20 - 10;
    }
    for (int i = 0; i < c.width; ++i)
        QVERIFY2(filed.at(i) >= least,
                 qPrintable(QStringLiteral("category %1: %2 samples").arg(i).arg(filed.at(i))));
    for (qsizetype b = 0; b < bands.size(); ++b)
        QVERIFY2(inBand.at(b) * 4 >= c.records.size(),
                 qPrintable(QStringLiteral("%1 of %2 samples just under %3 字")
                                .arg(inBand.at(b))
                                .arg(c.records.size())
                                .arg(bands.at(b))));
}

void TestCatalogueContent::repeatedSentencesAreRefused_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QStringList>("places"); // empty: accepted

    // 20 characters, the shortest sentence that must stand once.
    const QByteArray twenty = "本生徒は三年間毎朝の清掃に参加しました。";
    const QByteArray nineteen = "本生徒は三年間、毎朝の清掃に参加した。";
    const QByteArray head = "record: t_001.pdf\nmask: 100\n";
    QTest::newRow("two records of one file")
        << QByteArray(head + "\u3000" + twenty +
                      "\n\nrecord: t_002.pdf\nmask: 010\n\u3000前置き。" + twenty + "\n")
        << QByteArray()
        << QStringList{QStringLiteral("t.cat:9: record 1"), QStringLiteral("t.cat:5: record 0")};
    QTest::newRow("two files") << QByteArray(head + "\u3000" + twenty + "\n")
                               << QByteArray(head + "\u3000別の段落です。\n\u3000" + twenty + "\n")
                               << QStringList{QStringLiteral("u.cat:5: record 0"),
                                              QStringLiteral("t.cat:5: record 0")};
    QTest::newRow("twice in one record")
        << QByteArray(head + "\u3000" + twenty + twenty + "\n") << QByteArray()
        << QStringList{QStringLiteral("t.cat:5: record 0 (t_001.pdf): the sentence")};
    QTest::newRow("short sentences may repeat")
        << QByteArray(head + "\u3000" + nineteen + nineteen + "\n")
        << QByteArray(head + "\u3000" + nineteen + "\n") << QStringList();
    // 19 characters, one outside the BMP: 20 UTF-16 units but still short.
    QTest::newRow("counted in characters")
        << QByteArray(head + "\u3000𠮷生徒は三年間、毎朝の清掃に参加した。\n")
        << QByteArray(head + "\u3000𠮷生徒は三年間、毎朝の清掃に参加した。\n") << QStringList();
}

void TestCatalogueContent::repeatedSentencesAreRefused()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QStringList, places);
    QStringList parseErrors;
    QList<CatalogueFile> files{Parsed(first, &parseErrors)};
    QStringList names{QStringLiteral("t.cat")};
    if (!second.isEmpty()) {
        files << Parsed(second, &parseErrors);
        names << QStringLiteral("u.cat");
    }
    QVERIFY2(parseErrors.isEmpty(), qPrintable(parseErrors.join(u'\n')));
    const QStringList errors = RepeatedSentences::Find(files, names);
    QCOMPARE(errors.size(), places.isEmpty() ? 0 : 1);
    for (const QString& place : places)
        QVERIFY2(errors.first().contains(place), qPrintable(errors.first()));
}

QTEST_APPLESS_MAIN(TestCatalogueContent)
#include "tst_cataloguecontent.moc"
