// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabKomoku1.h"
#include "CMyEdit.h"
#include "CatalogueData.h"
#include "ChoiceColumn.h"
#include "DocumentOpener.h"
#include "FieldSelector.h"
#include "FieldTable.h"
#include "MultiLineButton.h"
#include "PagerScrollBar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

namespace {

const QList<SampleRecord>& Records()
{
    return CatalogueData::ForFolder(QStringLiteral("koumoku1")).records;
}

// The indices of the catalogue's records filed under `field`, in listing order.
QList<int> Matches(int field)
{
    QList<int> indices;
    for (int i = 0; i < Records().size(); ++i)
        if (Records().at(i).mask.at(field) == u'1')
            indices << i;
    return indices;
}

QString Count(int field)
{
    return QStringLiteral("%1 件").arg(Matches(field).size());
}

// `count` records filed under the first field; those in `longOnes` run far past a slot.
QList<SampleRecord> FiledUnderFirstField(int count, const QList<int>& longOnes = {})
{
    QList<SampleRecord> records;
    QString mask(FieldTable::FieldCount, u'0');
    mask[0] = u'1';
    for (int i = 0; i < count; ++i) {
        QStringList paragraphs{QStringLiteral("\u3000第%1の文例です。").arg(i + 1)};
        for (int line = 0; longOnes.contains(i) && line < 40; ++line)
            paragraphs << QStringLiteral("\u3000続きの段落です。");
        records.append({paragraphs.join(QStringLiteral("\r\n")), mask,
                        QStringLiteral("koumoku1_%1.pdf").arg(i + 1)});
    }
    return records;
}

} // namespace

// The page mechanism every tab shares, driven through tab 0's widgets as a user would.
class TestKomoku1Page : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startState();
    void literatureFieldPagesAndOpens();
    void psychologyBottomButtonAtPosition1();
    void emptyFieldsDisableEverything_data();
    void emptyFieldsDisableEverything();
    void dismissingPopupChangesNothing();
    void keysOnThePager_data();
    void keysOnThePager();
    void wheelMovesOneMatchPerMessage();
    void dragFollowsTheThumb();
    void clickOnSurfaceFocusesPager();
    void missingDocumentIsReported();
    void screenReaderMovesThePager_data();
    void screenReaderMovesThePager();
    void wheelOverASlot_data();
    void wheelOverASlot();

private:
    // Chooses `field` the way a user does: its faculty's label, then its menu item.
    void Choose(int field, bool viaArrow = false);
    void VerifyShows(int top, int bottom);
    // Puts a page listing `records` (kept alive by the caller) in place of the window's.
    void ShowPageOf(const QList<SampleRecord>& records);
    void Wheel(int delta);

    CDlgTabKomoku1* m_page = nullptr;
    // What VerifyShows compares with: the catalogue, or the records a test gave its page.
    const QList<SampleRecord>* m_records = nullptr;
    QTemporaryDir m_documents;
    DocumentOpener m_opener;
    QList<QUrl> m_handed;
};

void TestKomoku1Page::init()
{
    m_handed.clear();
    m_records = &Records();
    m_opener.SetDocumentFolder(m_documents.path());
    QDir(m_documents.path()).mkpath(QStringLiteral("bunrei_pdf/koumoku1"));
    for (const SampleRecord& r : Records()) {
        QFile f(
            QDir(m_documents.path()).filePath(QStringLiteral("bunrei_pdf/koumoku1/") + r.pdfName));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    m_opener.SetLauncher([this](const QUrl& url) {
        m_handed << url;
        return true;
    });
    m_page = new CDlgTabKomoku1;
    m_page->SetDocumentOpener(&m_opener);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestKomoku1Page::cleanup()
{
    delete m_page;
    m_page = nullptr;
}

void TestKomoku1Page::Choose(int field, bool viaArrow)
{
    const int faculty = FieldTable::fields().at(field).faculty;
    FieldSelector* selector = m_page->Selector();
    QTest::mouseClick(selector->Column(), Qt::LeftButton, {},
                      viaArrow ? selector->Column()->ArrowRect(faculty).center()
                               : selector->Column()->TextRect(faculty).center());
    if (!selector->EntryAt(faculty).popup) {
        QVERIFY(!selector->OpenMenu());
        return;
    }
    QMenu* menu = selector->OpenMenu();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    const QList<QAction*> items = [&] {
        QList<QAction*> list;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                list << a;
        return list;
    }();
    QAction* chosen = nullptr;
    for (QAction* a : items)
        if (a->text() == FieldTable::fields().at(field).name)
            chosen = a;
    QVERIFY(chosen);
    chosen->trigger();
    menu->close();
}

void TestKomoku1Page::ShowPageOf(const QList<SampleRecord>& records)
{
    m_records = &records;
    delete m_page;
    m_page = new CDlgTabKomoku1(nullptr, records);
    m_page->SetDocumentOpener(&m_opener);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestKomoku1Page::VerifyShows(int top, int bottom)
{
    QCOMPARE(m_page->TopSlot()->SampleText(), top >= 0 ? m_records->at(top).text : QString());
    QCOMPARE(m_page->BottomSlot()->SampleText(),
             bottom >= 0 ? m_records->at(bottom).text : QString());
    QCOMPARE(m_page->TopButton()->isEnabled(), top >= 0);
    QCOMPARE(m_page->BottomButton()->isEnabled(), bottom >= 0);
    QCOMPARE(m_page->TopPdfName(), top >= 0 ? m_records->at(top).pdfName : QString());
    QCOMPARE(m_page->BottomPdfName(), bottom >= 0 ? m_records->at(bottom).pdfName : QString());
}

void TestKomoku1Page::Wheel(int delta)
{
    const QPoint at(150, 300);
    QWheelEvent event(at, m_page->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_page, &event);
}

void TestKomoku1Page::startState()
{
    QCOMPARE(m_page->CaptionLabel()->text(), QString());
    QCOMPARE(m_page->CountLabel()->text(), QStringLiteral("0 件"));
    VerifyShows(-1, -1);
    QVERIFY(m_page->ScrollBar()->isEnabled());
    QCOMPARE(m_page->ScrollBar()->maximum(), 0);
    // Paging before any choice shows nothing.
    Wheel(-120);
    m_page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    VerifyShows(-1, -1);
    QCOMPARE(m_page->TopButton()->text(), QStringLiteral("左記文例をPDFで表示"));
}

void TestKomoku1Page::literatureFieldPagesAndOpens()
{
    const QList<int> m = Matches(0);
    Choose(0);
    QCOMPARE(m_page->CaptionLabel()->text(), QStringLiteral("文学部　＞　文学分野"));
    QCOMPARE(m_page->CountLabel()->text(), Count(0));
    VerifyShows(m.at(0), m.at(1));
    QVERIFY(m_page->ScrollBar()->isEnabled());
    QCOMPARE(m_page->ScrollBar()->minimum(), 0);
    QCOMPARE(m_page->ScrollBar()->maximum(), m.size() - 2);
    QCOMPARE(m_page->ScrollBar()->value(), 0);

    m_page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    VerifyShows(m.at(1), m.at(2));
    QTest::mouseClick(m_page->TopButton(), Qt::LeftButton);
    QCOMPARE(m_handed.size(), 1);
    QCOMPARE(m_handed.first().fileName(), QStringLiteral("koumoku1_132.pdf"));
    QCOMPARE(
        m_handed.first().toLocalFile(),
        QDir(m_documents.path()).filePath(QStringLiteral("bunrei_pdf/koumoku1/koumoku1_132.pdf")));

    // Choosing the same field again starts over at the first two.
    Choose(0);
    QCOMPARE(m_page->ScrollBar()->value(), 0);
    VerifyShows(m.at(0), m.at(1));
}

void TestKomoku1Page::psychologyBottomButtonAtPosition1()
{
    const QList<int> m = Matches(2);
    Choose(2);
    QCOMPARE(m_page->CountLabel()->text(), Count(2));
    VerifyShows(m.at(0), m.at(1));
    m_page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(m_page->ScrollBar()->value(), 1);
    VerifyShows(m.at(1), m.at(2));
    QTest::mouseClick(m_page->BottomButton(), Qt::LeftButton);
    QCOMPARE(m_handed.size(), 1);
    QCOMPARE(m_handed.first().fileName(), QStringLiteral("koumoku1_239.pdf"));
}

void TestKomoku1Page::emptyFieldsDisableEverything_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("caption");
    QTest::newRow("英語学分野") << 3 << QStringLiteral("外国語学部　＞　英語学分野");
    QTest::newRow("医学・歯学部 by its label")
        << 33 << QStringLiteral("医学・歯学部　＞　医学・歯学分野");
}

void TestKomoku1Page::emptyFieldsDisableEverything()
{
    QFETCH(int, field);
    // Every field of the catalogue has samples: a page whose records all stand under the first.
    const QList<SampleRecord> records = FiledUnderFirstField(3);
    ShowPageOf(records);
    Choose(0); // something to leave behind first
    m_page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Choose(field);
    QTEST(m_page->CaptionLabel()->text(), "caption");
    QCOMPARE(m_page->CountLabel()->text(), QStringLiteral("0 件"));
    VerifyShows(-1, -1);
    QVERIFY(!m_page->ScrollBar()->isEnabled());
    QCOMPARE(m_page->ScrollBar()->maximum(), 0);
    Wheel(-120);
    VerifyShows(-1, -1);

    Choose(0);
    QCOMPARE(m_page->CountLabel()->text(), QStringLiteral("3 件"));
    QVERIFY(m_page->ScrollBar()->isEnabled());
    QCOMPARE(m_page->ScrollBar()->value(), 0);
    QCOMPARE(m_page->ScrollBar()->maximum(), 1);
    VerifyShows(0, 1);
}

void TestKomoku1Page::dismissingPopupChangesNothing()
{
    Choose(0);
    m_page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    FieldSelector* selector = m_page->Selector();
    QTest::mouseClick(selector->Column(), Qt::LeftButton, {},
                      selector->Column()->TextRect(9).center());
    QMenu* menu = selector->OpenMenu();
    QVERIFY(menu);
    QTest::keyClick(menu, Qt::Key_Escape);
    QTRY_VERIFY(!selector->OpenMenu());
    QCOMPARE(m_page->CaptionLabel()->text(), QStringLiteral("文学部　＞　文学分野"));
    QCOMPARE(m_page->CountLabel()->text(), Count(0));
    QCOMPARE(m_page->ScrollBar()->value(), 1);
    VerifyShows(Matches(0).at(1), Matches(0).at(2));
}

void TestKomoku1Page::keysOnThePager_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    // Three records under the first field: positions 0 and 1.
    QTest::newRow("down") << 0 << 0 << int(Qt::Key_Down) << 1;
    QTest::newRow("down at the end") << 0 << 1 << int(Qt::Key_Down) << 1;
    QTest::newRow("up") << 0 << 1 << int(Qt::Key_Up) << 0;
    QTest::newRow("page down clamps") << 0 << 0 << int(Qt::Key_PageDown) << 1;
    QTest::newRow("page up clamps") << 0 << 1 << int(Qt::Key_PageUp) << 0;
    QTest::newRow("end is one step") << 0 << 0 << int(Qt::Key_End) << 1;
    QTest::newRow("home is one step") << 0 << 1 << int(Qt::Key_Home) << 0;
}

void TestKomoku1Page::keysOnThePager()
{
    QFETCH(int, field);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, expected);
    const QList<SampleRecord> records = FiledUnderFirstField(3);
    ShowPageOf(records);
    m_page->Choose(field);
    if (start > 0)
        m_page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    m_page->ScrollBar()->setFocus();
    QTest::keyClick(m_page->ScrollBar(), Qt::Key(key));
    QCOMPARE(m_page->ScrollBar()->value(), expected);
    VerifyShows(expected, expected + 1);
}

void TestKomoku1Page::wheelMovesOneMatchPerMessage()
{
    const QList<int> m = Matches(0);
    QVERIFY(m.size() >= 4);
    Choose(0);
    Wheel(-1200); // one fast turn
    QCOMPARE(m_page->ScrollBar()->value(), 1);
    VerifyShows(m.at(1), m.at(2));
    Wheel(-120);
    QCOMPARE(m_page->ScrollBar()->value(), 2);
    Wheel(15);
    QCOMPARE(m_page->ScrollBar()->value(), 1);
    Wheel(15);
    QCOMPARE(m_page->ScrollBar()->value(), 0);
    VerifyShows(m.at(0), m.at(1));
    // A sideways wheel is not a paging request.
    const QPoint at(150, 300);
    QWheelEvent sideways(at, m_page->mapToGlobal(at), QPoint(), QPoint(-120, 0), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m_page, &sideways);
    QCOMPARE(m_page->ScrollBar()->value(), 0);
}

void TestKomoku1Page::dragFollowsTheThumb()
{
    const QList<int> m = Matches(2);
    Choose(2);
    m_page->ScrollBar()->setSliderDown(true);
    m_page->ScrollBar()->setSliderPosition(1);
    QCOMPARE(m_page->Pager().position(), 1);
    VerifyShows(m.at(1), m.at(2));
    m_page->ScrollBar()->setSliderPosition(0);
    m_page->ScrollBar()->setSliderDown(false);
    VerifyShows(m.at(0), m.at(1));
}

void TestKomoku1Page::clickOnSurfaceFocusesPager()
{
    m_page->TopSlot()->setFocus();
    QTest::mouseClick(m_page, Qt::LeftButton, {}, QPoint(600, 100));
    QVERIFY(m_page->ScrollBar()->hasFocus());
}

void TestKomoku1Page::missingDocumentIsReported()
{
    QFile::remove(
        QDir(m_documents.path()).filePath(QStringLiteral("bunrei_pdf/koumoku1/koumoku1_057.pdf")));
    QSignalSpy failed(m_page, &SamplePage::DocumentFailed);
    Choose(0);
    QTest::mouseClick(m_page->TopButton(), Qt::LeftButton);
    QVERIFY(m_handed.isEmpty());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().at(0).toString(), QStringLiteral("koumoku1_057.pdf"));
    QTest::mouseClick(m_page->BottomButton(), Qt::LeftButton);
    QCOMPARE(m_handed.size(), 1);
    QCOMPARE(failed.size(), 1);
}

void TestKomoku1Page::screenReaderMovesThePager_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("position");
    QTest::newRow("into the middle") << 2 << 2;
    QTest::newRow("to the last two") << 4 << 4;
    QTest::newRow("past the end") << 9 << 4;
}

void TestKomoku1Page::screenReaderMovesThePager()
{
    QFETCH(int, value);
    QFETCH(int, position);
    const QList<SampleRecord> records = FiledUnderFirstField(6);
    CDlgTabKomoku1 page(nullptr, records);
    page.SetDocumentOpener(&m_opener);
    page.Choose(0);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(page.ScrollBar());
    QVERIFY(bar && bar->valueInterface());
    // There, and back to the second match: slots, names and thumb follow each time.
    for (const auto& [set, expected] : {std::pair{value, position}, std::pair{1, 1}}) {
        bar->valueInterface()->setCurrentValue(set);
        QCOMPARE(page.Pager().position(), expected);
        QCOMPARE(page.ScrollBar()->value(), expected);
        QCOMPARE(page.TopSlot()->SampleText(), records.at(expected).text);
        QCOMPARE(page.BottomSlot()->SampleText(), records.at(expected + 1).text);
        QCOMPARE(page.TopPdfName(), records.at(expected).pdfName);
        QCOMPARE(page.BottomPdfName(), records.at(expected + 1).pdfName);
    }
}

void TestKomoku1Page::wheelOverASlot_data()
{
    QTest::addColumn<bool>("bottom");
    QTest::addColumn<bool>("longText");
    QTest::addColumn<int>("position");
    QTest::newRow("short top sample: the page turns") << false << false << 1;
    QTest::newRow("short bottom sample: the page turns") << true << false << 1;
    QTest::newRow("long top sample scrolls itself") << false << true << 0;
    QTest::newRow("long bottom sample scrolls itself") << true << true << 0;
}

void TestKomoku1Page::wheelOverASlot()
{
    QFETCH(bool, bottom);
    QFETCH(bool, longText);
    QFETCH(int, position);
    QApplication::setWheelScrollLines(3);
    CDlgTabKomoku1 page(nullptr, FiledUnderFirstField(4, {longText ? int(bottom) : -1}));
    page.SetDocumentOpener(&m_opener);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.Choose(0);
    CMyEdit* slot = bottom ? page.BottomSlot() : page.TopSlot();
    QWidget* viewport = slot->viewport();
    const QPointF at = viewport->rect().center();
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // As the window system delivers it: only such an event travels on to the parent.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(viewport, &event);
    QCOMPARE(page.Pager().position(), position);
    QCOMPARE(slot->verticalScrollBar()->value() > 0, longText);
}

QTEST_MAIN(TestKomoku1Page)
#include "tst_komoku1page.moc"
