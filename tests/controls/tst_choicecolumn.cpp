// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A column's choice is taken on its caption or its arrow, and nowhere between two.
#include "ChoiceColumn.h"

#include <QSignalSpy>
#include <QTest>

class TestChoiceColumn : public QObject
{
    Q_OBJECT
private slots:
    void pointsAndTheirChoice_data();
    void pointsAndTheirChoice();
};

void TestChoiceColumn::pointsAndTheirChoice_data()
{
    QTest::addColumn<QPoint>("at"); // on the page
    QTest::addColumn<int>("choice");
    QTest::newRow("caption") << QPoint(50, 25) << 0;
    QTest::newRow("arrow") << QPoint(24, 45) << 1;
    QTest::newRow("between arrow and caption") << QPoint(33, 45) << 1;
    QTest::newRow("between two choices") << QPoint(50, 35) << -1;
    QTest::newRow("past a short caption") << QPoint(150, 25) << -1;
}

void TestChoiceColumn::pointsAndTheirChoice()
{
    QFETCH(QPoint, at);
    QFETCH(int, choice);
    QWidget page;
    page.resize(300, 100);
    QPixmap arrow(10, 10);
    arrow.fill(Qt::red);
    ChoiceColumn column(
        {{QStringLiteral("文学部"), QRect(35, 20, 40, 12), QPoint(20, 20), true},
         {QStringLiteral("人文・教養・人間科学部"), QRect(35, 40, 140, 12), QPoint(20, 40), false}},
        arrow, &page);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy clicks(&column, &ChoiceColumn::Clicked);
    const QPoint local = column.mapFrom(&page, at);
    QTest::mouseMove(&column, local);
    QCOMPARE(column.cursor().shape(), choice >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QTest::mouseClick(&column, Qt::LeftButton, {}, local);
    QCOMPARE(clicks.size(), choice >= 0 ? 1 : 0);
    if (choice >= 0)
        QCOMPARE(clicks.at(0).at(0).toInt(), choice);
}

QTEST_MAIN(TestChoiceColumn)
#include "tst_choicecolumn.moc"
