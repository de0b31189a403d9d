// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Each slot's 字数 and "下書きへ" button on the pages, numbered or not.
#include "CDlgTabGakubu.h"
#include "CDlgTabJiko.h"
#include "CDlgTabKomoku1.h"
#include "CategoryPage.h"
#include "NumberedPageSupport.h"
#include "SlotDraftControls.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

using namespace NumberedPageSupport;

namespace {

// WCAG's contrast ratio of two colours.
double Contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestSlotDraftControls : public QObject
{
    Q_OBJECT
private slots:
    void countsTheSampleItself_data();
    void countsTheSampleItself();
};

void TestSlotDraftControls::countsTheSampleItself_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("width");
    QTest::newRow("faculty samples") << QStringLiteral("gakubu") << 46;
    QTest::newRow("self-recommendations") << QStringLiteral("jiko") << 15;
    QTest::newRow("unnumbered samples") << QStringLiteral("koumoku1") << 46;
}

void TestSlotDraftControls::countsTheSampleItself()
{
    QFETCH(QString, folder);
    QFETCH(int, width);
    // Filed under 3 at 0, 9 and 13, under 5 at 5; the rest elsewhere. No document folder: every
    // slot of a numbered page is also headed by the missing PDF's name, which is not counted.
    QList<SampleRecord> catalogue;
    for (int p = 0; p < 14; ++p)
        catalogue << Record(folder, p,
                            Mask(width, {QList<int>{0, 9, 13}.contains(p) ? 3
                                         : p == 5                         ? 5
                                                                          : 4}));
    std::unique_ptr<CategoryPage> page;
    if (folder == QStringLiteral("gakubu"))
        page = std::make_unique<CDlgTabGakubu>(nullptr, catalogue);
    else if (folder == QStringLiteral("jiko"))
        page = std::make_unique<CDlgTabJiko>(nullptr, catalogue);
    else
        page = std::make_unique<CDlgTabKomoku1>(nullptr, catalogue);
    SlotDraftControls* top = page->TopDraftControls();
    SlotDraftControls* bottom = page->BottomDraftControls();
    QSignalSpy added(page.get(), &SamplePage::AddToDraft);

    // Nothing shown yet: no number, nothing to add.
    for (SlotDraftControls* controls : {top, bottom}) {
        QCOMPARE(controls->CountLabel()->text(), QString());
        QVERIFY(!controls->AddButton()->isEnabled());
    }
    QCOMPARE(top->CountLabel()->accessibleName(), QStringLiteral("上の文例の字数"));

    page->Choose(3);
    QCOMPARE(page->BottomSlot()->SampleText().contains(QStringLiteral("No.10")),
             PageIdentity::ForFolder(folder).numbered);
    // "　第1の文例です。" and "　二段落目です。": 9 + 8, the line break not counted.
    QCOMPARE(top->CountLabel()->text(), QStringLiteral("17 字"));
    QCOMPARE(bottom->CountLabel()->text(), QStringLiteral("18 字"));
    QCOMPARE(top->CountLabel()->accessibleName(), QStringLiteral("上の文例の字数 17 字"));
    QCOMPARE(bottom->CountLabel()->accessibleName(), QStringLiteral("下の文例の字数 18 字"));
    // Readable: the count's ink against what is painted behind it.
    const QImage shot = page->grab().toImage();
    const QColor behind = shot.pixelColor(top->mapTo(page.get(), top->CountLabel()->pos()));
    const double contrast =
        Contrast(behind, top->CountLabel()->palette().color(QPalette::WindowText));
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
    QTest::mouseClick(bottom->AddButton(), Qt::LeftButton);
    QTest::mouseClick(top->AddButton(), Qt::LeftButton);
    QCOMPARE(added.size(), 2);
    QCOMPARE(added.at(0).at(0).toString(), Text(9));
    QCOMPARE(added.at(1).at(0).toString(), Text(0));

    // Paged on, the controls follow the slots.
    page->ShowPosition(1);
    QTest::mouseClick(bottom->AddButton(), Qt::LeftButton);
    QCOMPARE(added.at(2).at(0).toString(), Text(13));

    // One match: the lower slot is empty again.
    page->Choose(5);
    QCOMPARE(top->CountLabel()->text(), QStringLiteral("17 字"));
    QCOMPARE(bottom->CountLabel()->text(), QString());
    QVERIFY(top->AddButton()->isEnabled());
    QVERIFY(!bottom->AddButton()->isEnabled());
    QCOMPARE(bottom->CountLabel()->accessibleName(), QStringLiteral("下の文例の字数"));
}

QTEST_MAIN(TestSlotDraftControls)
#include "tst_slotdraftcontrols.moc"
