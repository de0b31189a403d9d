// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueData.h"
#include "CheckGroup.h"
#include "CheckSelection.h"
#include "TickReference.h"

#include <QRandomGenerator>
#include <QTest>

class tst_checkselection : public QObject
{
    Q_OBJECT

private slots:
    void boxesSitAtTheirMaskPositions();
    void randomClicks_data();
    void randomClicks();
    void disabledTickStillCounts();
};

namespace {

QStringList CatalogueMasks()
{
    QStringList masks;
    for (const SampleRecord& record : CatalogueData::ForFolder(QStringLiteral("koumoku2")).records)
        masks << record.mask;
    return masks;
}

QList<SampleRecord> RecordsOf(const QStringList& masks)
{
    QList<SampleRecord> records;
    for (const QString& mask : masks)
        records.append({QString(), mask, QString()});
    return records;
}

QString Describe(const TickReference& expected, const CheckSelection& actual)
{
    QString s = QStringLiteral("expected ticks %1 enabled ").arg(expected.Selection());
    for (bool e : expected.enabled)
        s += e ? u'1' : u'0';
    s += QStringLiteral(" got enabled ");
    for (int p = 0; p < CheckGroup::BoxCount; ++p)
        s += actual.IsEnabled(p) ? u'1' : u'0';
    return s;
}

} // namespace

void tst_checkselection::boxesSitAtTheirMaskPositions()
{
    QCOMPARE(CheckGroup::Boxes().size(), CheckGroup::BoxCount);
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        QCOMPARE(CheckGroup::BoxAt(p).id, TickReference::IdAt(p));
        QCOMPARE(int(CheckGroup::BoxAt(p).group), TickReference::GroupAt(p));
        QCOMPARE(CheckGroup::PositionOf(TickReference::IdAt(p)), p);
    }
    QCOMPARE(CheckGroup::PositionOf(1013), -1); // the clear-all button
}

void tst_checkselection::randomClicks_data()
{
    QTest::addColumn<QStringList>("masks");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("catalogue/%u", seed) << CatalogueMasks() << seed;
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("synthetic/%u", seed) << SyntheticMasks(seed * 7919u, 60) << seed;
}

void tst_checkselection::randomClicks()
{
    QFETCH(QStringList, masks);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TickReference expected(masks);
    const QList<SampleRecord> catalogue = RecordsOf(masks);
    CheckSelection actual;

    for (int step = 0; step < 400; ++step) {
        const int target = int(random.bounded(CheckGroup::BoxCount + 1));
        if (target == CheckGroup::BoxCount || random.bounded(60) == 0) {
            expected.ClearAll();
            actual.ClearAll();
        } else {
            expected.Click(target);
            // As the page does: a disabled box takes no click; an enabled one flips.
            if (actual.IsEnabled(target)) {
                actual.SetTicked(target, !actual.IsTicked(target));
                actual.OnTickChanged(CheckGroup::BoxAt(target).group, catalogue);
            }
        }
        const QByteArray where = QStringLiteral("step %1 (target %2): %3")
                                     .arg(step)
                                     .arg(target)
                                     .arg(Describe(expected, actual))
                                     .toUtf8();
        QVERIFY2(actual.BuildSelectionMask() == expected.Selection(), where.constData());
        for (int p = 0; p < CheckGroup::BoxCount; ++p)
            QVERIFY2(actual.IsEnabled(p) == expected.enabled[p], where.constData());
        QVERIFY2(actual.Matches(catalogue) == expected.matches, where.constData());
    }
}

void tst_checkselection::disabledTickStillCounts()
{
    // A character tick locks the humanities group, ticks included.
    const QList<SampleRecord> catalogue = RecordsOf(CatalogueMasks());
    CheckSelection selection;
    selection.SetTicked(0, true);
    selection.OnTickChanged(CheckGroup::HumanitiesAcademics, catalogue);
    QVERIFY(selection.IsListing());
    QCOMPARE(selection.Matches(catalogue), QList<int>({0, 2, 3, 4, 5}));
    selection.SetTicked(14, true);
    selection.OnTickChanged(CheckGroup::Character, catalogue);
    QVERIFY(selection.IsListing());
    QVERIFY(selection.IsTicked(0));
    QVERIFY(!selection.IsEnabled(0));
    QCOMPARE(selection.BuildSelectionMask(), QStringLiteral("100000000000001000000000000000"));
    QCOMPARE(selection.Matches(catalogue), QList<int>());
    selection.SetTicked(14, false);
    selection.OnTickChanged(CheckGroup::Character, catalogue);
    QVERIFY(!selection.IsListing());
    QVERIFY(selection.IsTicked(0));
    QVERIFY(selection.IsEnabled(0));
}

QTEST_GUILESS_MAIN(tst_checkselection)
#include "tst_checkselection.moc"
