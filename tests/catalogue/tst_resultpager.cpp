// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultPager.h"

#include <QTest>

// The pager's arithmetic, checked against positions worked out by hand.
class TestResultPager : public QObject
{
    Q_OBJECT
private slots:
    void afterSelection_data();
    void afterSelection();
    void scroll_data();
    void scroll();
    void wheel_data();
    void wheel();
    void beforeAnySelection();
    void clearDisablesPaging();
};

void TestResultPager::afterSelection_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::newRow("none") << 0 << 0 << false << -1 << -1;
    QTest::newRow("one") << 1 << 0 << false << 0 << -1;
    QTest::newRow("two") << 2 << 0 << false << 0 << 1;
    QTest::newRow("three") << 3 << 1 << true << 0 << 1;
    QTest::newRow("five") << 5 << 3 << true << 0 << 1;
    QTest::newRow("nine") << 9 << 7 << true << 0 << 1;
    QTest::newRow("201") << 201 << 199 << true << 0 << 1;
}

void TestResultPager::afterSelection()
{
    QFETCH(int, count);
    ResultPager pager;
    pager.Reset(7);
    pager.Scroll(ResultPager::PageDown);
    pager.Reset(count); // a new selection always starts over
    QCOMPARE(pager.count(), count);
    QCOMPARE(pager.position(), 0);
    QTEST(pager.maximum(), "maximum");
    QTEST(pager.isEnabled(), "enabled");
    QTEST(pager.topMatch(), "top");
    QTEST(pager.bottomMatch(), "bottom");
}

void TestResultPager::scroll_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("thumb");
    QTest::addColumn<int>("expected");

    using P = ResultPager;
    // Three matches: positions 0 and 1.
    QTest::newRow("3: line down from 0") << 3 << 0 << int(P::LineDown) << 0 << 1;
    QTest::newRow("3: line down at the end stays") << 3 << 1 << int(P::LineDown) << 0 << 1;
    QTest::newRow("3: line up at the top stays") << 3 << 0 << int(P::LineUp) << 0 << 0;
    QTest::newRow("3: page down from 0 lands on 1") << 3 << 0 << int(P::PageDown) << 0 << 1;
    QTest::newRow("3: page up from 1 lands on 0") << 3 << 1 << int(P::PageUp) << 0 << 0;
    // Five matches: positions 0..3.
    QTest::newRow("5: page down from 0") << 5 << 0 << int(P::PageDown) << 0 << 2;
    QTest::newRow("5: page down from 2 stops at 3") << 5 << 2 << int(P::PageDown) << 0 << 3;
    QTest::newRow("5: page up from 3") << 5 << 3 << int(P::PageUp) << 0 << 1;
    QTest::newRow("5: page up from 1 stops at 0") << 5 << 1 << int(P::PageUp) << 0 << 0;
    QTest::newRow("5: home is one step up") << 5 << 3 << int(P::Top) << 0 << 2;
    QTest::newRow("5: end is one step down") << 5 << 1 << int(P::Bottom) << 0 << 2;
    QTest::newRow("5: end at the end stays") << 5 << 3 << int(P::Bottom) << 0 << 3;
    QTest::newRow("5: home at the top stays") << 5 << 0 << int(P::Top) << 0 << 0;
    QTest::newRow("5: thumb track") << 5 << 0 << int(P::ThumbTrack) << 2 << 2;
    QTest::newRow("5: thumb position") << 5 << 3 << int(P::ThumbPosition) << 1 << 1;
    QTest::newRow("5: thumb past the end") << 5 << 0 << int(P::ThumbTrack) << 40 << 3;
    QTest::newRow("5: thumb before the start") << 5 << 2 << int(P::ThumbPosition) << -4 << 0;
    QTest::newRow("5: end scroll changes nothing") << 5 << 2 << int(P::EndScroll) << 0 << 2;
    QTest::newRow("5: unknown code changes nothing") << 5 << 2 << 42 << 0 << 2;
    // Nine matches: positions 0..7; position 7 shows matches 7 and 8.
    QTest::newRow("9: line down to the last window") << 9 << 6 << int(P::LineDown) << 0 << 7;
    QTest::newRow("9: page down near the end clamps") << 9 << 6 << int(P::PageDown) << 0 << 7;
    // Fewer than three matches never page.
    QTest::newRow("2: line down stays") << 2 << 0 << int(P::LineDown) << 0 << 0;
    QTest::newRow("1: page down stays") << 1 << 0 << int(P::PageDown) << 0 << 0;
    QTest::newRow("0: thumb stays") << 0 << 0 << int(P::ThumbTrack) << 3 << 0;
}

void TestResultPager::scroll()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, code);
    QFETCH(int, thumb);
    QFETCH(int, expected);

    ResultPager pager;
    pager.Reset(count);
    pager.Scroll(ResultPager::ThumbPosition, start);
    QCOMPARE(pager.position(), start);
    QCOMPARE(pager.Scroll(code, thumb), expected);
    QCOMPARE(pager.position(), expected);
    // The last window always shows two real matches; an odd count never leaves one alone.
    if (count >= 2) {
        QCOMPARE(pager.topMatch(), expected);
        QCOMPARE(pager.bottomMatch(), expected + 1);
        QVERIFY(pager.bottomMatch() < count);
    }
}

void TestResultPager::wheel_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<int>("expected");

    QTest::newRow("towards the user moves down") << 5 << 0 << -120 << true << 1;
    QTest::newRow("away moves up") << 5 << 2 << 120 << true << 1;
    QTest::newRow("a fast turn is still one step") << 9 << 0 << -1200 << true << 1;
    QTest::newRow("a fast turn up is one step") << 9 << 5 << 32767 << true << 4;
    QTest::newRow("a small delta is one step") << 9 << 5 << -1 << true << 6;
    QTest::newRow("zero counts as up") << 9 << 5 << 0 << true << 4;
    QTest::newRow("down at the end stays") << 5 << 3 << -120 << true << 3;
    QTest::newRow("two matches: no paging") << 2 << 0 << -120 << false << 0;
    QTest::newRow("no matches: no paging") << 0 << 0 << 120 << false << 0;
}

void TestResultPager::wheel()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, delta);

    ResultPager pager;
    pager.Reset(count);
    pager.Scroll(ResultPager::ThumbPosition, start);
    QTEST(pager.Wheel(delta), "handled");
    QTEST(pager.position(), "expected");
}

void TestResultPager::beforeAnySelection()
{
    // Live over an empty range: scrolling is allowed and shows nothing.
    ResultPager pager;
    QVERIFY(pager.isEnabled());
    QCOMPARE(pager.maximum(), 0);
    QVERIFY(pager.Wheel(-120));
    QCOMPARE(pager.Scroll(ResultPager::PageDown), 0);
    QCOMPARE(pager.topMatch(), -1);
    QCOMPARE(pager.bottomMatch(), -1);
}

void TestResultPager::clearDisablesPaging()
{
    ResultPager pager;
    pager.Reset(6);
    pager.Scroll(ResultPager::PageDown);
    pager.Clear();
    QCOMPARE(pager.count(), 0);
    QCOMPARE(pager.position(), 0);
    QVERIFY(!pager.isEnabled());
    QVERIFY(!pager.Wheel(-120));
    QCOMPARE(pager.topMatch(), -1);
}

QTEST_APPLESS_MAIN(TestResultPager)
#include "tst_resultpager.moc"
