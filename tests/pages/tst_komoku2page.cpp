// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabKomoku2.h"
#include "CMyEdit.h"
#include "CatalogueData.h"
#include "CheckGroup.h"
#include "MultiLineButton.h"
#include "PagerScrollBar.h"
#include "TickReference.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using IdList = QList<int>;

class tst_komoku2page : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void layout();
    void clicks_data();
    void clicks();
    void spaceBarTicksLikeAClick();
    void pageDownWithFiveMatches();
    void fillInMarksStandOutInTheSlots();
    void resetStopsThePager();
    void randomClicksThroughTheBoxes_data();
    void randomClicksThroughTheBoxes();
};

namespace {

constexpr int ClearAll = 0; // in a click list: the clear-all button

const QList<SampleRecord>& Catalogue()
{
    return CatalogueData::ForFolder(QStringLiteral("koumoku2")).records;
}

QCheckBox* BoxById(const CDlgTabKomoku2& page, int id)
{
    return page.Box(CheckGroup::PositionOf(id));
}

void Click(CDlgTabKomoku2& page, int id)
{
    if (id == ClearAll) {
        QTest::mouseClick(page.ClearAllButton(), Qt::LeftButton);
        return;
    }
    QCheckBox* box = BoxById(page, id);
    // On the box's square, where a user aims.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

IdList ShownRecords(const SamplePage& page)
{
    IdList records;
    for (const MatchList::Match& match : page.Matches().matches())
        records << match.catalogueIndex;
    return records;
}

// Slots, names and buttons show the first two of `records`.
void VerifyFirstTwoShown(const CDlgTabKomoku2& page, const IdList& records,
                         const QList<SampleRecord>& catalogue)
{
    const QString top = records.size() > 0 ? catalogue.at(records.at(0)).text : QString();
    const QString bottom = records.size() > 1 ? catalogue.at(records.at(1)).text : QString();
    QCOMPARE(page.TopSlot()->SampleText(), top);
    QCOMPARE(page.BottomSlot()->SampleText(), bottom);
    QCOMPARE(page.TopPdfName(),
             records.size() > 0 ? catalogue.at(records.at(0)).pdfName : QString());
    QCOMPARE(page.BottomPdfName(),
             records.size() > 1 ? catalogue.at(records.at(1)).pdfName : QString());
    QCOMPARE(page.TopButton()->isEnabled(), records.size() > 0);
    QCOMPARE(page.BottomButton()->isEnabled(), records.size() > 1);
}

} // namespace

void tst_komoku2page::startState()
{
    CDlgTabKomoku2 page;
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        QVERIFY(!page.Box(p)->isChecked());
        QVERIFY(page.Box(p)->isEnabled());
    }
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("0 件"));
    QCOMPARE(page.CaptionLabel()->text(), QString());
    VerifyFirstTwoShown(page, {}, Catalogue());
    QVERIFY(page.ScrollBar()->isEnabled());
    QCOMPARE(page.ScrollBar()->maximum(), 0);
    QCOMPARE(page.ClearAllButton()->text(), QStringLiteral("全てのチェックを解除"));
    QVERIFY(page.ClearAllButton()->isEnabled());
}

void tst_komoku2page::layout()
{
    CDlgTabKomoku2 page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QRect column(0, 0, 284, 630); // the page-coloured selector column
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        const QCheckBox* box = page.Box(p);
        const QByteArray name = box->objectName().toUtf8();
        QCOMPARE(box->text(), CheckGroup::BoxAt(p).caption);
        QVERIFY2(box->width() >= box->sizeHint().width(), name.constData());
        QVERIFY2(box->height() >= box->sizeHint().height(), name.constData());
        QVERIFY2(column.contains(box->geometry()), name.constData());
        for (int q = 0; q < p; ++q)
            QVERIFY2(!box->geometry().intersects(page.Box(q)->geometry()), name.constData());
    }
    QVERIFY(column.contains(page.ClearAllButton()->geometry()));
    QVERIFY(page.ClearAllButton()->width() >= page.ClearAllButton()->sizeHint().width());

    // Every heading is there, and no heading covers a box.
    QStringList headings;
    for (const QLabel* label : page.findChildren<QLabel*>()) {
        if (label->pixmap().isNull())
            continue;
        headings << label->accessibleName();
        for (int p = 0; p < CheckGroup::BoxCount; ++p)
            QVERIFY(!label->geometry().intersects(page.Box(p)->geometry()));
    }
    headings.sort();
    QStringList expected = {QStringLiteral("【項目別推薦文】学業"),
                            QStringLiteral("文系"),
                            QStringLiteral("理系"),
                            QStringLiteral("【項目別推薦文】人物"),
                            QStringLiteral("文系・理系共通"),
                            QStringLiteral("【項目別推薦文】課外活動"),
                            QStringLiteral("文系・理系共通")};
    expected.sort();
    QCOMPARE(headings, expected);
}

void tst_komoku2page::clicks_data()
{
    QTest::addColumn<IdList>("clicks");
    QTest::addColumn<QString>("count");
    QTest::addColumn<IdList>("records");
    QTest::addColumn<IdList>("ticked");
    QTest::addColumn<IdList>("disabled");

    const IdList humanities = {1003, 1004, 1005, 1006, 1007, 1008, 1009};
    const IdList science = {1010, 1011, 1012, 1014, 1015, 1016, 1017};
    const IdList character = {1018, 1019, 1020, 1021, 1022, 1023,
                              1024, 1025, 1026, 1027, 1028, 1029};
    const IdList activities = {1030, 1031, 1032, 1042};

    QTest::newRow("1003") << IdList{1003} << "5 件" << IdList{0, 2, 3, 4, 5} << IdList{1003}
                          << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("1003 1004") << IdList{1003, 1004} << "4 件" << IdList{2, 3, 4, 5}
                               << IdList{1003, 1004} << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("1003 1004 1007") << IdList{1003, 1004, 1007} << "3 件" << IdList{3, 4, 5}
                                    << IdList{1003, 1004, 1007} << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("1004") << IdList{1004} << "5 件" << IdList{1, 2, 3, 4, 5} << IdList{1004}
                          << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("1007") << IdList{1007} << "5 件" << IdList{0, 1, 3, 4, 5} << IdList{1007}
                          << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("1005") << IdList{1005} << "0 件" << IdList{} << IdList{1005}
                          << IdList{1003, 1004, 1006, 1007, 1008, 1009};
    QTest::newRow("1005 untick") << IdList{1005, 1005} << "0 件" << IdList{} << IdList{}
                                 << IdList{};
    QTest::newRow("1018") << IdList{1018} << "0 件" << IdList{} << IdList{1018}
                          << humanities + science + activities;
    QTest::newRow("1018 1019") << IdList{1018, 1019} << "0 件" << IdList{} << IdList{1018, 1019}
                               << humanities + science + activities;
    QTest::newRow("1018 1019 untick one") << IdList{1018, 1019, 1018} << "0 件" << IdList{}
                                          << IdList{1019} << humanities + science + activities;
    QTest::newRow("1018 1019 untick both")
        << IdList{1018, 1019, 1018, 1019} << "0 件" << IdList{} << IdList{} << IdList{};
    QTest::newRow("1003 1018") << IdList{1003, 1018} << "0 件" << IdList{} << IdList{1003, 1018}
                               << humanities + science + activities;
    QTest::newRow("1003 1018 untick 1018")
        << IdList{1003, 1018, 1018} << "0 件" << IdList{} << IdList{1003} << IdList{};
    QTest::newRow("1003 1018 untick 1018, 1004")
        << IdList{1003, 1018, 1018, 1004} << "4 件" << IdList{2, 3, 4, 5} << IdList{1003, 1004}
        << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("1010") << IdList{1010} << "0 件" << IdList{} << IdList{1010}
                          << humanities + character + activities;
    QTest::newRow("1007 1042") << IdList{1007, 1042} << "0 件" << IdList{} << IdList{1007, 1042}
                               << humanities + science + character;
    // A click on a locked-out box is lost.
    QTest::newRow("1030 then 1003") << IdList{1030, 1003} << "0 件" << IdList{} << IdList{1030}
                                    << humanities + science + character;
    QTest::newRow("1003 1009 is locked") << IdList{1003, 1009} << "5 件" << IdList{0, 2, 3, 4, 5}
                                         << IdList{1003} << IdList{1005, 1006, 1008, 1009};
    QTest::newRow("clear after several groups")
        << IdList{1003, 1007, 1018, 1019, ClearAll} << "0 件" << IdList{} << IdList{} << IdList{};
    QTest::newRow("clear, then 1004")
        << IdList{1003, 1018, ClearAll, 1004} << "5 件" << IdList{1, 2, 3, 4, 5} << IdList{1004}
        << IdList{1005, 1006, 1008, 1009};
}

void tst_komoku2page::clicks()
{
    QFETCH(IdList, clicks);
    QFETCH(QString, count);
    QFETCH(IdList, records);
    QFETCH(IdList, ticked);
    QFETCH(IdList, disabled);

    CDlgTabKomoku2 page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (int id : clicks)
        Click(page, id);

    QCOMPARE(page.CountLabel()->text(), count);
    QCOMPARE(ShownRecords(page), records);
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        const int id = CheckGroup::BoxAt(p).id;
        const QByteArray name = QByteArray::number(id);
        QVERIFY2(page.Box(p)->isChecked() == ticked.contains(id), name.constData());
        QVERIFY2(page.Box(p)->isEnabled() == !disabled.contains(id), name.constData());
    }
    VerifyFirstTwoShown(page, records, Catalogue());
    QCOMPARE(page.ScrollBar()->isEnabled(), records.size() > 2);
    QCOMPARE(page.ScrollBar()->maximum(), records.size() > 2 ? int(records.size()) - 2 : 0);
    QCOMPARE(page.ScrollBar()->value(), 0);
    QCOMPARE(page.CaptionLabel()->text(), QString());
}

void tst_komoku2page::spaceBarTicksLikeAClick()
{
    CDlgTabKomoku2 page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCheckBox* box = BoxById(page, 1003);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(box->isChecked());
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("5 件"));
    QVERIFY(!BoxById(page, 1005)->isEnabled());
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!box->isChecked());
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("0 件"));
    QVERIFY(BoxById(page, 1005)->isEnabled());
}

void tst_komoku2page::pageDownWithFiveMatches()
{
    CDlgTabKomoku2 page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    Click(page, 1003);
    QCOMPARE(page.ScrollBar()->maximum(), 3);

    const QList<SampleRecord>& catalogue = Catalogue();
    struct Step
    {
        int position, top, bottom;
    };
    for (const Step& step : {Step{2, 3, 4}, Step{3, 4, 5}, Step{3, 4, 5}}) {
        page.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(page.ScrollBar()->value(), step.position);
        QCOMPARE(page.TopSlot()->SampleText(), catalogue.at(step.top).text);
        QCOMPARE(page.BottomSlot()->SampleText(), catalogue.at(step.bottom).text);
        QCOMPARE(page.TopPdfName(), catalogue.at(step.top).pdfName);
        QCOMPARE(page.BottomPdfName(), catalogue.at(step.bottom).pdfName);
    }
    // Another tick in the group rebuilds the list and starts it over.
    Click(page, 1004);
    QCOMPARE(page.ScrollBar()->value(), 0);
    QCOMPARE(page.TopSlot()->SampleText(), catalogue.at(2).text);
}

void tst_komoku2page::fillInMarksStandOutInTheSlots()
{
    CDlgTabKomoku2 page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (int id : {1003, 1004, 1007})
        Click(page, id);
    page.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(page.TopPdfName(), QStringLiteral("koumoku2_015.pdf"));
    QCOMPARE(page.BottomPdfName(), QStringLiteral("koumoku2_107.pdf"));
    // Every mark stands out, after a paragraph break too (record 5 has two), and only
    // the marks do.
    const auto marked = [](CMyEdit* slot) {
        QString marks;
        for (const QTextEdit::ExtraSelection& mark : slot->extraSelections())
            marks += mark.cursor.selectedText();
        return marks;
    };
    for (CMyEdit* slot : {page.TopSlot(), page.BottomSlot()}) {
        QVERIFY(slot->toPlainText().contains(u'○'));
        QCOMPARE(marked(slot), QString(slot->toPlainText().count(u'○'), u'○'));
    }
    page.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(marked(page.TopSlot()), QString()); // record 3 has none
}

void tst_komoku2page::resetStopsThePager()
{
    CDlgTabKomoku2 page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    Click(page, 1003);
    page.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(page.ScrollBar()->value(), 1);
    Click(page, 1003);
    QVERIFY(!page.ScrollBar()->isEnabled());
    QCOMPARE(page.ScrollBar()->maximum(), 0);

    QWheelEvent wheel(QPointF(500, 300), page.mapToGlobal(QPointF(500, 300)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&page, &wheel);
    page.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(page.ScrollBar()->value(), 0);
    VerifyFirstTwoShown(page, {}, Catalogue());
}

void tst_komoku2page::randomClicksThroughTheBoxes_data()
{
    QTest::addColumn<bool>("synthetic");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QTest::addRow("catalogue/%u", seed) << false << seed;
        QTest::addRow("synthetic/%u", seed) << true << seed;
    }
}

void tst_komoku2page::randomClicksThroughTheBoxes()
{
    QFETCH(bool, synthetic);
    QFETCH(quint32, seed);

    QList<SampleRecord> catalogue = Catalogue();
    if (synthetic) {
        catalogue.clear();
        const QStringList masks = SyntheticMasks(seed * 104729u, 24);
        for (qsizetype r = 0; r < masks.size(); ++r)
            catalogue << SampleRecord{
                QStringLiteral("　文例%1。").arg(r), masks.at(r),
                QStringLiteral("koumoku2_%1.pdf").arg(r, 3, 10, QLatin1Char('0'))};
    }
    QStringList masks;
    for (const SampleRecord& record : catalogue)
        masks << record.mask;

    CDlgTabKomoku2 page(nullptr, catalogue);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    TickReference expected(masks);
    QRandomGenerator random(seed);
    for (int step = 0; step < 120; ++step) {
        const int target = int(random.bounded(CheckGroup::BoxCount + 2));
        if (target >= CheckGroup::BoxCount) {
            if (target == CheckGroup::BoxCount && random.bounded(3) != 0)
                continue; // clear all only now and then, so that ticks pile up
            Click(page, ClearAll);
            expected.ClearAll();
        } else {
            Click(page, CheckGroup::BoxAt(target).id);
            expected.Click(target);
        }
        const QByteArray where = QByteArray::number(step);
        for (int p = 0; p < CheckGroup::BoxCount; ++p) {
            QVERIFY2(page.Box(p)->isChecked() == expected.ticked[p], where.constData());
            QVERIFY2(page.Box(p)->isEnabled() == expected.enabled[p], where.constData());
        }
        QVERIFY2(ShownRecords(page) == expected.matches, where.constData());
        QCOMPARE(page.CountLabel()->text(), QStringLiteral("%1 件").arg(expected.matches.size()));
        VerifyFirstTwoShown(page, expected.matches, catalogue);
        QCOMPARE(page.CaptionLabel()->text(), QString());
    }
}

QTEST_MAIN(tst_komoku2page)
#include "tst_komoku2page.moc"
