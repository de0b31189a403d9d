#include "CategoryMask.h"
#include "CategorySelection.h"

#include <QTest>

class TestCategoryMask : public QObject
{
    Q_OBJECT
private slots:
    void single_data();
    void single();
    void allTicked_data();
    void allTicked();
    void selectionLists_data();
    void selectionLists();
};

void TestCategoryMask::single_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("matches");

    QTest::newRow("first position") << QStringLiteral("100") << 0 << true;
    QTest::newRow("last position") << QStringLiteral("001") << 2 << true;
    QTest::newRow("zero") << QStringLiteral("010") << 0 << false;
    QTest::newRow("just past a short mask") << QStringLiteral("111") << 3 << false;
    QTest::newRow("far past a short mask") << QStringLiteral("1") << 45 << false;
    QTest::newRow("empty mask") << QString() << 0 << false;
    QTest::newRow("blank") << QStringLiteral(" 1") << 0 << false;
    QTest::newRow("full-width one") << QStringLiteral("１0") << 0 << false;
    QTest::newRow("letter") << QStringLiteral("l0") << 0 << false;
    QTest::newRow("two") << QStringLiteral("2") << 0 << false;
    QTest::newRow("negative category") << QStringLiteral("111") << -1 << false;
    QTest::newRow("46 wide, field 45") << QString(45, u'0') + u'1' << 45 << true;
}

void TestCategoryMask::single()
{
    QFETCH(QString, mask);
    QFETCH(int, category);
    QTEST(CategoryMask::HasCategory(mask, category), "matches");
}

void TestCategoryMask::allTicked_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("matches");

    QTest::newRow("one tick, filed") << QStringLiteral("10001") << QStringLiteral("10000") << true;
    QTest::newRow("two ticks, both filed")
        << QStringLiteral("11001") << QStringLiteral("10001") << true;
    QTest::newRow("two ticks, one missing")
        << QStringLiteral("10000") << QStringLiteral("10001") << false;
    QTest::newRow("unticked positions do not matter")
        << QStringLiteral("01111") << QStringLiteral("01000") << true;
    QTest::newRow("nothing ticked matches all")
        << QStringLiteral("00000") << QStringLiteral("00000") << true;
    QTest::newRow("short mask is not excluded")
        << QStringLiteral("1") << QStringLiteral("10001") << true;
    QTest::newRow("stray character is not excluded")
        << QStringLiteral("1x") << QStringLiteral("11") << true;
    QTest::newRow("full-width zero is not excluded")
        << QStringLiteral("1０") << QStringLiteral("11") << true;
    QTest::newRow("only an exact 0 excludes")
        << QStringLiteral("10") << QStringLiteral("11") << false;
}

void TestCategoryMask::allTicked()
{
    QFETCH(QString, mask);
    QFETCH(QString, selection);
    QTEST(CategoryMask::MatchesAllTicked(mask, selection), "matches");
}

void TestCategoryMask::selectionLists_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QList<int>>("indices");
    QTest::newRow("nothing chosen lists nothing") << -1 << QList<int>{};
    QTest::newRow("first position, catalogue order") << 0 << QList<int>{0, 2};
    QTest::newRow("short and stray masks left out") << 2 << QList<int>{3};
    QTest::newRow("no record filed") << 5 << QList<int>{};
}

void TestCategoryMask::selectionLists()
{
    QFETCH(int, category);
    const QList<SampleRecord> catalogue = {{{}, QStringLiteral("100"), {}},
                                           {{}, QStringLiteral("01"), {}},
                                           {{}, QStringLiteral("11x"), {}},
                                           {{}, QStringLiteral("0011"), {}}};
    const CategorySelection selection =
        category < 0 ? CategorySelection() : CategorySelection(category);
    QTEST(selection.Matches(catalogue), "indices");
}

QTEST_APPLESS_MAIN(TestCategoryMask)
#include "tst_categorymask.moc"
