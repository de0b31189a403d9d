#include "CatalogueData.h"
#include "CatalogueFile.h"

#include <QTest>

namespace {

// Length as stored: UTF-16 units, each CR LF counting two.
int StoredLength(const QString& text)
{
    return int(text.size());
}

QString MaskWithOne(int width, int position)
{
    QString mask(width, u'0');
    mask[position] = u'1';
    return mask;
}

} // namespace

class TestCatalogueContent : public QObject
{
    Q_OBJECT
private slots:
    void koumoku1_data();
    void koumoku1();
    void koumoku2_data();
    void koumoku2();
    void deliveredCatalogues_data();
    void deliveredCatalogues();
    void malformedEntriesAreRejected_data();
    void malformedEntriesAreRejected();
    void wellFormedFileParses();
};

void TestCatalogueContent::koumoku1_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("paragraphs");
    const QString f0 = MaskWithOne(46, 0), f1 = MaskWithOne(46, 1), f2 = MaskWithOne(46, 2);
    QTest::newRow("0") << 0 << f0 << QStringLiteral("koumoku1_057.pdf") << 192 << 1;
    QTest::newRow("1") << 1 << f1 << QStringLiteral("koumoku1_081.pdf") << 227 << 2;
    QTest::newRow("2") << 2 << f1 << QStringLiteral("koumoku1_131.pdf") << 142 << 1;
    QTest::newRow("3") << 3 << f0 << QStringLiteral("koumoku1_132.pdf") << 306 << 2;
    QTest::newRow("4") << 4 << f0 << QStringLiteral("koumoku1_178.pdf") << 140 << 3;
    QTest::newRow("5") << 5 << f1 << QStringLiteral("koumoku1_179.pdf") << 272 << 2;
    QTest::newRow("6") << 6 << f2 << QStringLiteral("koumoku1_234.pdf") << 165 << 2;
    QTest::newRow("7") << 7 << f2 << QStringLiteral("koumoku1_237.pdf") << 186 << 2;
    QTest::newRow("8") << 8 << f2 << QStringLiteral("koumoku1_239.pdf") << 236 << 2;
}

void TestCatalogueContent::koumoku1()
{
    QFETCH(int, record);
    QFETCH(int, paragraphs);
    const CatalogueData::Catalogue& c = CatalogueData::ForFolder(QStringLiteral("koumoku1"));
    QCOMPARE(c.records.size(), 9);
    const SampleRecord& r = c.records.at(record);
    QTEST(r.mask, "mask");
    QTEST(r.pdfName, "pdf");
    QTEST(StoredLength(r.text), "length");
    const QStringList parts = r.text.split(QStringLiteral("\r\n"));
    QCOMPARE(parts.size(), paragraphs);
    for (const QString& p : parts)
        QVERIFY2(p.startsWith(u'\u3000') && p.size() > 1, qPrintable(p.left(10)));
    QVERIFY(r.text.endsWith(u'。'));
    QVERIFY(!r.text.contains(u'\u25CB'));
    QVERIFY(!r.text.contains(u'\n') || r.text.count(u'\n') == r.text.count(QStringLiteral("\r\n")));
}

void TestCatalogueContent::koumoku2_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<int>("placeholders");
    QTest::newRow("0") << 0 << QStringLiteral("100010000000000000000000000000")
                       << QStringLiteral("koumoku2_019.pdf") << 276 << 1 << 0;
    QTest::newRow("1") << 1 << QStringLiteral("010010000000000000000000000000")
                       << QStringLiteral("koumoku2_024.pdf") << 143 << 1 << 0;
    QTest::newRow("2") << 2 << QStringLiteral("110000000000000000000000000000")
                       << QStringLiteral("koumoku2_135.pdf") << 358 << 2 << 0;
    QTest::newRow("3") << 3 << QStringLiteral("110010000000000000000000000000")
                       << QStringLiteral("koumoku2_150.pdf") << 195 << 2 << 0;
    QTest::newRow("4") << 4 << QStringLiteral("110010000000000000000000000000")
                       << QStringLiteral("koumoku2_015.pdf") << 171 << 1 << 6;
    QTest::newRow("5") << 5 << QStringLiteral("110010000000000000000000000000")
                       << QStringLiteral("koumoku2_107.pdf") << 301 << 2 << 8;
}

void TestCatalogueContent::koumoku2()
{
    QFETCH(int, record);
    QFETCH(int, paragraphs);
    const CatalogueData::Catalogue& c = CatalogueData::ForFolder(QStringLiteral("koumoku2"));
    QCOMPARE(c.records.size(), 6);
    const SampleRecord& r = c.records.at(record);
    QTEST(r.mask, "mask");
    QTEST(r.pdfName, "pdf");
    QTEST(StoredLength(r.text), "length");
    QTEST(int(r.text.count(u'\u25CB')), "placeholders");
    const QStringList parts = r.text.split(QStringLiteral("\r\n"));
    QCOMPARE(parts.size(), paragraphs);
    for (const QString& p : parts)
        QVERIFY(p.startsWith(u'\u3000') && p.size() > 1);
    QVERIFY(r.text.endsWith(u'。'));
}

void TestCatalogueContent::deliveredCatalogues_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("capacity");
    QTest::newRow("koumoku1") << QStringLiteral("koumoku1") << 46 << 9;
    QTest::newRow("koumoku2") << QStringLiteral("koumoku2") << 30 << 6;
    QTest::newRow("gakubu") << QStringLiteral("gakubu") << 46 << 324;
    QTest::newRow("jiko") << QStringLiteral("jiko") << 15 << 78;
}

void TestCatalogueContent::deliveredCatalogues()
{
    QFETCH(QString, folder);
    const CatalogueData::Catalogue& c = CatalogueData::ForFolder(folder);
    QCOMPARE(c.folder, folder);
    QTEST(c.width, "width");
    QTEST(c.capacity, "capacity");
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

QTEST_APPLESS_MAIN(TestCatalogueContent)
#include "tst_cataloguecontent.moc"
