// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManuscriptGrid.h"

#include <QTest>

// {UTF-16 offset, line, column, and for a hung mark its place in the hung run}
using Places = QList<QList<int>>;

class TestManuscriptGrid : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
};

void TestManuscriptGrid::rules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("columns");
    QTest::addColumn<Places>("places");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("allowed");
    QTest::addColumn<int>("overflow");
    const QString kana = QStringLiteral("あいうえお");
    QTest::newRow("indent takes a square")
        << QStringLiteral("\u3000あいうえお") << 5 << Places{{0, 1, 1}, {5, 2, 1}} << 2 << 1 << 5;
    QTest::newRow("a break ends the line, a blank line counts, a trailing one not")
        << QStringLiteral("あい\nう\n\nえ\n") << 5 << Places{{3, 2, 1}, {6, 4, 1}} << 4 << 3 << 6;
    QTest::newRow("。 hangs beside the full line")
        << kana + QStringLiteral("。か") << 5 << Places{{5, 1, 5, 1}, {6, 2, 1}} << 2 << 2 << -1;
    QTest::newRow("a run of closing marks hangs")
        << kana + QStringLiteral("」』、か") << 5
        << Places{{5, 1, 5, 1}, {6, 1, 5, 2}, {7, 1, 5, 3}, {8, 2, 1}} << 2 << 1 << 8;
    QTest::newRow("。」 share a square, hung too")
        << QStringLiteral("あい。」う") + kana.left(1) + QStringLiteral("。」") << 5
        << Places{{2, 1, 3}, {3, 1, 3}, {4, 1, 4}, {6, 1, 5, 1}, {7, 1, 5, 1}} << 1 << 0 << -1;
    QTest::newRow("「 at the line end moves with its character")
        << QStringLiteral("あいうえ「か」") << 5 << Places{{4, 2, 1}, {5, 2, 2}, {6, 2, 3}} << 2
        << 0 << -1;
    QTest::newRow("a run of openers moves together")
        << QStringLiteral("あいう「『か") << 5 << Places{{3, 2, 1}, {4, 2, 2}} << 2 << 0 << -1;
    QTest::newRow("an opener with room stays")
        << QStringLiteral("あいう「か") << 5 << Places{{3, 1, 4}, {4, 1, 5}} << 1 << 0 << -1;
    QTest::newRow("small kana and ー open a line like any other")
        << kana + QStringLiteral("っと") + kana.left(3) + QStringLiteral("ー") << 5
        << Places{{5, 2, 1}, {10, 3, 1}} << 3 << 0 << -1;
    QTest::newRow("two digits to a square, an odd run ends alone")
        << QStringLiteral("2026年１２３日") << 5
        << Places{{1, 1, 1}, {2, 1, 2}, {3, 1, 2}, {4, 1, 3}, {6, 1, 4}, {7, 1, 5}, {8, 2, 1}} << 2
        << 0 << -1;
    QTest::newRow("a run of digits breaks at the line end")
        << QStringLiteral("あいうえ123") << 5 << Places{{5, 1, 5}, {6, 2, 1}} << 2 << 0 << -1;
    QTest::newRow("lowercase pairs apart from digits, capitals alone")
        << QStringLiteral("2ndABc") << 5 << Places{{0, 1, 1}, {2, 1, 2}, {3, 1, 3}, {5, 1, 5}} << 1
        << 0 << -1;
    QTest::newRow("a point between digits is in the figure, between ○ may open a line")
        << QStringLiteral("3．5点あ○．○") << 5 << Places{{1, 1, 1}, {2, 1, 2}, {6, 2, 1}} << 2 << 0
        << -1;
    QTest::newRow("a surrogate pair is one square")
        << QStringLiteral("𠮷野家") << 5 << Places{{2, 1, 2}} << 1 << 0 << -1;
    QTest::newRow("a combining mark stays with its base")
        << QStringLiteral("か\u3099き") << 5 << Places{{2, 1, 2}} << 1 << 0 << -1;
    QTest::newRow("a closing mark after a break opens the line")
        << QStringLiteral("あ\n。") << 5 << Places{{2, 2, 1}} << 2 << 0 << -1;
    QTest::newRow("only line breaks use no line")
        << QStringLiteral("\n\n\n") << 5 << Places{} << 0 << 1 << -1;
    QTest::newRow("only punctuation")
        << QString(7, u'。') << 5 << Places{{4, 1, 5}, {6, 1, 5, 2}} << 1 << 1 << -1;
    QTest::newRow("500 half-width digits")
        << QString(500, u'7') << 20 << Places{{499, 13, 10}} << 13 << 12 << 480;
}

void TestManuscriptGrid::rules()
{
    QFETCH(QString, text);
    QFETCH(int, columns);
    QFETCH(Places, places);
    const ManuscriptGrid grid(columns, 20);
    const QList<ManuscriptGrid::Cell> cells = grid.Cells(text);
    for (const QList<int>& place : places) {
        const auto cell = std::find_if(cells.begin(), cells.end(),
                                       [&](const auto& c) { return c.start == place[0]; });
        QVERIFY2(cell != cells.end(), qPrintable(QString::number(place[0])));
        QCOMPARE((QList<int>{int(cell->start), cell->line, cell->column, cell->hang}),
                 place.size() > 3 ? place : place + QList<int>{0});
    }
    QFETCH(int, allowed);
    ManuscriptGrid::Memo memo;
    for (int pass = 0; pass < 2; ++pass) { // laid out afresh, then from the memo
        const ManuscriptGrid::Extent extent = grid.Measure(text, allowed, &memo);
        QTEST(extent.lines, "lines");
        QTEST(int(extent.overflow), "overflow");
        QCOMPARE(cells.isEmpty() ? 0 : cells.last().line, extent.lines);
    }
    // Edited at its head, in its middle and at its tail, breaks added and taken away:
    // the memo of the text before gives what a fresh layout gives.
    const qsizetype middle = text.size() / 2;
    for (const QString& edited :
         {QString(text).insert(0, u'字'), QString(text).insert(middle, u'\n'),
          QString(text).insert(middle, QStringLiteral("「、")), QString(text).remove(middle, 1),
          QString(text).remove(0, 1), text + QStringLiteral("\n字"),
          QString(text).replace(u'\n', u'字')}) {
        const ManuscriptGrid::Extent remembered = grid.Measure(edited, allowed, &memo);
        const ManuscriptGrid::Extent fresh = grid.Measure(edited, allowed);
        QCOMPARE(remembered.lines, fresh.lines);
        QCOMPARE(remembered.overflow, fresh.overflow);
        grid.Measure(text, allowed, &memo);
    }
}

QTEST_APPLESS_MAIN(TestManuscriptGrid)
#include "tst_manuscriptgrid.moc"
