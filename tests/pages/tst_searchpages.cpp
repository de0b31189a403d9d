// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// A search on the pages, through their widgets and on catalogues of the test's own:
// what is listed with and without a selection, the captions, the return to the
// selection, the tick boxes, the hits in the slots and the PDF buttons.
#include "CDlgTabGakubu.h"
#include "CDlgTabKomoku1.h"
#include "CDlgTabKomoku2.h"
#include "CMyEdit.h"
#include "DocumentOpener.h"
#include "FieldTable.h"
#include "Highlight.h"
#include "MultiLineButton.h"
#include "PagerScrollBar.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString Mask(int width, const QList<int>& categories)
{
    QString mask(width, u'0');
    for (int c : categories)
        mask[c] = u'1';
    return mask;
}

// Filed under fields 0 and 1 of the first tab (or the first two tick boxes).
QList<SampleRecord> Catalogue(const QString& folder, int width)
{
    const QList<std::pair<QString, QList<int>>> samples = {
        {u"\u3000探究心を持って取り組んだ。"_qs, {0}},
        {u"\u3000生徒会のリーダーとして活躍した。"_qs, {0}},
        {u"\u3000ボランティアで探\r\n\u3000究した。"_qs, {1}},
        {u"\u3000ﾘｰﾀﾞｰとして部を率いた。"_qs, {0, 1}},
        {u"\u3000評定平均値は○．○である。"_qs, {0}},
        {u"\u3000タンキュウの時間に１年間発表した。"_qs, {1}},
    };
    QList<SampleRecord> records;
    for (qsizetype i = 0; i < samples.size(); ++i)
        records.append(
            {samples.at(i).first, Mask(width, samples.at(i).second),
             QStringLiteral("%1_%2.pdf").arg(folder).arg(int(i) + 1, 3, 10, QLatin1Char('0'))});
    return records;
}

QList<int> Listed(const SamplePage& page)
{
    QList<int> listed;
    for (const MatchList::Match& match : page.Matches().matches())
        listed << match.catalogueIndex;
    return listed;
}

// What a page shows for a fresh listing of `listed`: from its first match.
void VerifyShows(const SamplePage& page, const QList<SampleRecord>& records,
                 const QList<int>& listed)
{
    QCOMPARE(Listed(page), listed);
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("%1 件").arg(listed.size()));
    QCOMPARE(page.ScrollBar()->value(), 0);
    QCOMPARE(page.ScrollBar()->maximum(), std::max(0, int(listed.size()) - 2));
    QCOMPARE(page.ScrollBar()->isEnabled(), listed.size() > 2);
    const CMyEdit* boxes[] = {page.TopSlot(), page.BottomSlot()};
    const MultiLineButton* buttons[] = {page.TopButton(), page.BottomButton()};
    for (int slot = 0; slot < 2; ++slot) {
        const bool filled = slot < listed.size();
        // Numbered pages put the number (and a missing PDF's name) before the text.
        if (filled)
            QVERIFY(boxes[slot]->SampleText().endsWith(records.at(listed.at(slot)).text));
        else
            QVERIFY(boxes[slot]->SampleText().isEmpty());
        QCOMPARE(buttons[slot]->isEnabled(), filled);
    }
}

} // namespace

class TestSearchPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void queryNarrowsAndReturns_data();
    void queryNarrowsAndReturns();
    void selectionMadeWhileSearchingIsKept();
    void tickBoxesFollowTheTicksAlone();
    void hitsAreMarkedInTheSampleOnly();
    void pdfButtonOpensTheListedSample();

private:
    QTemporaryDir m_documents;
    DocumentOpener m_opener;
    QList<QUrl> m_opened;
};

void TestSearchPages::initTestCase()
{
    QVERIFY(m_documents.isValid());
    m_opener.SetDocumentFolder(m_documents.path());
    m_opener.SetLauncher([this](const QUrl& url) {
        m_opened << url;
        return true;
    });
}

void TestSearchPages::queryNarrowsAndReturns_data()
{
    QTest::addColumn<int>("field"); // -1: nothing chosen
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("listed");
    QTest::addColumn<QString>("caption");

    const QString literature = FieldTable::Caption(0);
    QTest::newRow("selection, katakana")
        << 0 << u"リーダー"_qs << QList<int>{1, 3} << literature + u"\u3000「リーダー」"_qs;
    QTest::newRow("selection, hiragana")
        << 0 << u"りーだー"_qs << QList<int>{1, 3} << literature + u"\u3000「りーだー」"_qs;
    QTest::newRow("selection, fill-in mark")
        << 0 << u"○"_qs << QList<int>{4} << literature + u"\u3000「○」"_qs;
    QTest::newRow("selection, nothing holds it")
        << 0 << u"ｘｙｚ"_qs << QList<int>{} << literature + u"\u3000「ｘｙｚ」"_qs;
    QTest::newRow("selection, only spaces") << 0 << u" \u3000"_qs << QList<int>{} << literature;
    QTest::newRow("whole catalogue, across a line break")
        << -1 << u"探究"_qs << QList<int>{0, 2} << u"「探究」を含む文例"_qs;
    QTest::newRow("whole catalogue, two words")
        << -1 << u"ボランティア\u3000探究"_qs << QList<int>{2}
        << u"「ボランティア\u3000探究」を含む文例"_qs;
    QTest::newRow("whole catalogue, three matches page")
        << -1 << u"した"_qs << QList<int>{1, 2, 5} << u"「した」を含む文例"_qs;
    QTest::newRow("whole catalogue, control character")
        << -1 << u"リー\u0001ダー"_qs << QList<int>{1, 3} << u"「リー\u0001ダー」を含む文例"_qs;
    QTest::newRow("whole catalogue, lone surrogate")
        << -1 << QString(QChar(0xD800)) << QList<int>{}
        << u"「"_qs + QChar(0xD800) + u"」を含む文例"_qs;
    QTest::newRow("whole catalogue, 10,000 characters")
        << -1 << QString(10000, u'探') << QList<int>{}
        << u"「"_qs + QString(10000, u'探') + u"」を含む文例"_qs;
    QTest::newRow("nothing chosen, only spaces") << -1 << u"  "_qs << QList<int>{} << QString();
}

void TestSearchPages::queryNarrowsAndReturns()
{
    QFETCH(int, field);
    QFETCH(QString, query);
    QFETCH(QList<int>, listed);
    QFETCH(QString, caption);
    const bool words = !SearchQuery(query).IsEmpty();
    const QList<SampleRecord> records = Catalogue(QStringLiteral("koumoku1"), 46);
    CDlgTabKomoku1 page(nullptr, records);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QList<int> selected;
    if (field >= 0) {
        page.Choose(field);
        selected = Listed(page);
        page.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }

    const int position = page.ScrollBar()->value();
    const bool paging = page.ScrollBar()->isEnabled();
    page.SetQuery(SearchQuery(query));
    if (words) {
        VerifyShows(page, records, listed);
    } else {
        // A query without words changes nothing, not even the place in the list.
        QCOMPARE(Listed(page), selected);
        QCOMPARE(page.ScrollBar()->value(), position);
        QCOMPARE(page.ScrollBar()->isEnabled(), paging);
    }
    // The whole caption is spoken; on screen a long one is cut to the header's width.
    QCOMPARE(page.CaptionLabel()->accessibleName(),
             caption.isEmpty() ? u"選択中の分類"_qs : u"選択中の分類\u3000"_qs + caption);
    if (page.CaptionLabel()->fontMetrics().horizontalAdvance(caption) <=
        page.CaptionLabel()->width())
        QCOMPARE(page.CaptionLabel()->text(), caption);
    else
        QVERIFY(page.CaptionLabel()->text().endsWith(u'…'));

    // Emptying the query lists the selection again, from its first match.
    page.SetQuery(SearchQuery());
    if (words)
        VerifyShows(page, records, selected);
    QCOMPARE(page.CaptionLabel()->text(), field >= 0 ? FieldTable::Caption(field) : QString());
}

void TestSearchPages::selectionMadeWhileSearchingIsKept()
{
    const QList<SampleRecord> records = Catalogue(QStringLiteral("koumoku1"), 46);
    CDlgTabKomoku1 page(nullptr, records);
    page.show();
    page.SetQuery(SearchQuery(u"探究"_qs));
    VerifyShows(page, records, {0, 2});
    page.Choose(1);
    VerifyShows(page, records, {2});
    QCOMPARE(page.CaptionLabel()->text(), FieldTable::Caption(1) + u"\u3000「探究」"_qs);
    page.SetQuery(SearchQuery());
    VerifyShows(page, records, {2, 3, 5});
    QCOMPARE(page.CaptionLabel()->text(), FieldTable::Caption(1));
}

void TestSearchPages::tickBoxesFollowTheTicksAlone()
{
    const QList<SampleRecord> records = Catalogue(QStringLiteral("koumoku2"), 30);
    CDlgTabKomoku2 searching(nullptr, records);
    CDlgTabKomoku2 plain(nullptr, records);
    searching.show();
    searching.SetQuery(SearchQuery(u"した"_qs));
    VerifyShows(searching, records, {1, 2, 5});
    QCOMPARE(searching.CaptionLabel()->text(), u"「した」を含む文例"_qs);
    for (CDlgTabKomoku2* page : {&searching, &plain})
        page->Box(0)->click();
    VerifyShows(plain, records, {0, 1, 3, 4});
    VerifyShows(searching, records, {1});
    // The page of ticks has no caption of its own: no space before the query.
    QCOMPARE(searching.CaptionLabel()->text(), u"「した」を含む文例"_qs);
    int disabled = 0;
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        QCOMPARE(searching.Box(p)->isEnabled(), plain.Box(p)->isEnabled());
        QCOMPARE(searching.Box(p)->isChecked(), plain.Box(p)->isChecked());
        disabled += !plain.Box(p)->isEnabled();
    }
    QVERIFY(disabled > 0);
    // Clearing every tick leaves no selection: the whole catalogue is searched again.
    QTest::mouseClick(searching.ClearAllButton(), Qt::LeftButton);
    VerifyShows(searching, records, {1, 2, 5});
    QCOMPARE(searching.CaptionLabel()->text(), u"「した」を含む文例"_qs);
    searching.SetQuery(SearchQuery());
    VerifyShows(searching, records, {});
}

void TestSearchPages::hitsAreMarkedInTheSampleOnly()
{
    // "1" is in the number and the missing PDF's name above the sample as well.
    const QList<SampleRecord> records = Catalogue(QStringLiteral("gakubu"), 46);
    CDlgTabGakubu page(nullptr, records);
    page.SetDocumentOpener(&m_opener);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.SetQuery(SearchQuery(u"1"_qs));
    VerifyShows(page, records, {5});
    QVERIFY(page.TopSlot()->SampleText().startsWith(u"gakubu_006.pdf\r\n\r\nNo.6"_qs));
    page.TopSlot()->viewport()->repaint();
    QStringList marked;
    for (const QTextEdit::ExtraSelection& mark : page.TopSlot()->extraSelections()) {
        if (mark.format.background().color() == Highlight::HitBackground)
            marked << mark.cursor.selectedText();
    }
    QCOMPARE(marked, QStringList{u"１"_qs});
    // Without a query nothing is marked.
    page.SetQuery(SearchQuery());
    page.Choose(1);
    page.TopSlot()->viewport()->repaint();
    QVERIFY(page.TopSlot()->extraSelections().isEmpty());
}

void TestSearchPages::pdfButtonOpensTheListedSample()
{
    const QList<SampleRecord> records = Catalogue(QStringLiteral("koumoku1"), 46);
    const QDir folder(m_documents.filePath(QStringLiteral("bunrei_pdf/koumoku1")));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    for (const SampleRecord& record : records) {
        QFile pdf(folder.filePath(record.pdfName));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    CDlgTabKomoku1 page(nullptr, records);
    page.SetDocumentOpener(&m_opener);
    page.show();
    page.SetQuery(SearchQuery(u"ﾘｰﾀﾞｰ"_qs));
    m_opened.clear();
    QTest::mouseClick(page.BottomButton(), Qt::LeftButton);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(folder.filePath(records.at(3).pdfName))});
    QTest::mouseClick(page.TopButton(), Qt::LeftButton);
    QCOMPARE(m_opened.last(), QUrl::fromLocalFile(folder.filePath(records.at(1).pdfName)));
}

QTEST_MAIN(TestSearchPages)
#include "tst_searchpages.moc"
