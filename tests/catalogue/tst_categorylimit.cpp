// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

#include <QTest>

namespace {

QByteArray Catalogue(const QString& header, const QStringList& masks)
{
    QString content = QStringLiteral("catalogue: t\nwidth: 4\ncapacity: 20\n") + header;
    for (qsizetype i = 0; i < masks.size(); ++i) {
        content += QStringLiteral("\nrecord: t_%1.pdf\nmask: %2\n　文例です。\n")
                       .arg(i + 1, 3, 10, QLatin1Char('0'))
                       .arg(masks.at(i));
    }
    return content.toUtf8();
}

} // namespace

class TestCategoryLimit : public QObject
{
    Q_OBJECT
private slots:
    void limit_data();
    void limit();
};

void TestCategoryLimit::limit_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("masks");
    QTest::addColumn<QStringList>("errors");

    const QString two = QStringLiteral("per-category: 2\n");
    QTest::newRow("empty catalogue") << two << QStringList() << QStringList();
    QTest::newRow("at the limit") << two
                                  << QStringList{QStringLiteral("1000"), QStringLiteral("1100"),
                                                 QStringLiteral("0100")}
                                  << QStringList();
    QTest::newRow("one over, reported at the record that overfills")
        << two
        << QStringList{QStringLiteral("0010"), QStringLiteral("1010"), QStringLiteral("0011")}
        << QStringList{QStringLiteral("t.cat:14: record 2 (t_003.pdf): category 2 already holds 2 "
                                      "records, the most allowed")};
    QTest::newRow("reported once per category")
        << two
        << QStringList{QStringLiteral("0001"), QStringLiteral("0001"), QStringLiteral("0001"),
                       QStringLiteral("1001")}
        << QStringList{QStringLiteral("t.cat:14: record 2 (t_003.pdf): category 3 already holds 2 "
                                      "records, the most allowed")};
    QTest::newRow("no limit stated")
        << QString()
        << QStringList{QStringLiteral("1000"), QStringLiteral("1000"), QStringLiteral("1000")}
        << QStringList();
    QTest::newRow("a limit of zero is malformed")
        << QStringLiteral("per-category: 0\n") << QStringList()
        << QStringList{QStringLiteral(
               "t.cat:4: unknown or malformed line outside a record: 'per-category: 0'")};
}

void TestCategoryLimit::limit()
{
    QFETCH(QString, header);
    QFETCH(QStringList, masks);
    QFETCH(QStringList, errors);

    CatalogueFile file;
    QStringList found;
    const bool ok = file.Parse(Catalogue(header, masks), QStringLiteral("t.cat"), &found);
    QCOMPARE(found, errors);
    QCOMPARE(ok, errors.isEmpty());
    QCOMPARE(file.records.size(), masks.size());
}

QTEST_APPLESS_MAIN(TestCategoryLimit)
#include "tst_categorylimit.moc"
