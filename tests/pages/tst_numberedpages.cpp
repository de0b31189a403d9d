// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// What tabs 2 and 3 share beyond the pages chosen by one label (tst_categorypages): a
// PDF that is not where the buttons open it from named ahead of the text, and paging
// through selections longer than the original lists ever held.
#include "CategoryPage.h"
#include "DocumentOpener.h"
#include "NumberedPageSupport.h"
#include "PageFactory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace NumberedPageSupport;

namespace {

struct PageKind
{
    QString folder;
    int width;
    int capacity;
};

PageKind Kind(const QString& folder)
{
    return folder == QStringLiteral("gakubu") ? PageKind{folder, 46, 324}
                                              : PageKind{folder, 15, 78};
}

std::unique_ptr<CategoryPage> MakePage(const QString& folder, QList<SampleRecord> catalogue,
                                       const DocumentOpener& documents)
{
    std::unique_ptr<CategoryPage> page(
        qobject_cast<CategoryPage*>(PageFactory::Create(folder, nullptr, std::move(catalogue))));
    page->SetDocumentOpener(&documents);
    return page;
}

// A catalogue of `size` records; those at `filed` are filed under `category`, the
// others under the category after it, so every record carries a real mask.
QList<SampleRecord> Catalogue(const PageKind& kind, int size, int category, const QList<int>& filed)
{
    QList<SampleRecord> records;
    for (int p = 0; p < size; ++p) {
        const int c = filed.contains(p) ? category : (category + 1) % kind.width;
        records << Record(kind.folder, p, Mask(kind.width, {c}));
    }
    return records;
}

void PutPdfs(const QString& root, const QString& folder, const QList<int>& positions)
{
    QDir dir(root);
    QVERIFY(dir.mkpath(QStringLiteral("bunrei_pdf/") + folder));
    for (int p : positions) {
        QFile file(
            dir.filePath(QStringLiteral("bunrei_pdf/%1/%2").arg(folder, PdfName(folder, p))));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4\n");
    }
}

} // namespace

class TestNumberedPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void missingPdfNamedWhereTheButtonLooks_data();
    void missingPdfNamedWhereTheButtonLooks();
    void pdfChangedWhileRunning_data();
    void pdfChangedWhileRunning();
    void emptyPdfName_data();
    void emptyPdfName();
    void pagesToTheLastTwo_data();
    void pagesToTheLastTwo();

private:
    std::unique_ptr<QTemporaryDir> m_documents;
    DocumentOpener m_opener;
    QString m_startFolder;
};

void TestNumberedPages::initTestCase()
{
    QApplication::setWheelScrollLines(3);
    m_startFolder = QDir::currentPath();
}

void TestNumberedPages::init()
{
    m_documents = std::make_unique<QTemporaryDir>();
    QVERIFY(m_documents->isValid());
    m_opener = DocumentOpener();
    m_opener.SetDocumentFolder(m_documents->path());
}

void TestNumberedPages::cleanup()
{
    QDir::setCurrent(m_startFolder);
    m_documents.reset();
}

void TestNumberedPages::missingPdfNamedWhereTheButtonLooks_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("workingFolder");

    for (const QString& folder : {QStringLiteral("gakubu"), QStringLiteral("jiko")}) {
        QTest::addRow("%s, working in the document folder", qPrintable(folder))
            << folder << QStringLiteral("documents");
        QTest::addRow("%s, working where the opposite PDFs are", qPrintable(folder))
            << folder << QStringLiteral("opposite");
        QTest::addRow("%s, working in an empty folder", qPrintable(folder))
            << folder << QStringLiteral("empty");
    }
}

void TestNumberedPages::missingPdfNamedWhereTheButtonLooks()
{
    QFETCH(QString, folder);
    QFETCH(QString, workingFolder);

    const QList<int> present{0, 2, 5};
    const QList<int> absent{1, 3, 4};
    PutPdfs(m_documents->path(), folder, present);
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    if (workingFolder == QStringLiteral("opposite"))
        PutPdfs(elsewhere.path(), folder, absent);
    QVERIFY(QDir::setCurrent(workingFolder == QStringLiteral("documents") ? m_documents->path()
                                                                          : elsewhere.path()));

    const int category = 3;
    auto page =
        MakePage(folder, Catalogue(Kind(folder), 6, category, {0, 1, 2, 3, 4, 5}), m_opener);
    QList<QUrl> opened;
    m_opener.SetLauncher([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    QSignalSpy failed(page.get(), &SamplePage::DocumentFailed);
    QVERIFY(Choose(page->Selector(), category));
    QCOMPARE(page->CountLabel()->text(), QStringLiteral("6 件"));

    // Walk every match through the top slot and press its button: a sample looks
    // present exactly when the button can open it.
    for (int p = 0; p < 6; ++p) {
        const bool isPresent = present.contains(p);
        CMyEdit* slot = p < 5 ? page->TopSlot() : page->BottomSlot();
        MultiLineButton* button = p < 5 ? page->TopButton() : page->BottomButton();
        QCOMPARE(slot->SampleText(), Shown(folder, p, isPresent));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        if (p < 4)
            Wheel(page.get(), -120);
    }
    const QString pdfFolder =
        QDir(m_documents->path()).filePath(QStringLiteral("bunrei_pdf/") + folder);
    QList<QUrl> expected;
    for (int p : present)
        expected << QUrl::fromLocalFile(QDir(pdfFolder).filePath(PdfName(folder, p)));
    QCOMPARE(opened, expected);
    QCOMPARE(failed.size(), absent.size());
    for (qsizetype i = 0; i < failed.size(); ++i) {
        QCOMPARE(failed.at(i).at(0).toString(), PdfName(folder, absent.at(i)));
        QCOMPARE(failed.at(i).at(1).value<DocumentOpener::Result>(),
                 DocumentOpener::Result::Missing);
    }
}

void TestNumberedPages::pdfChangedWhileRunning_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("presentAtFirst");
    for (const QString& folder : {QStringLiteral("gakubu"), QStringLiteral("jiko")}) {
        QTest::addRow("%s, removed", qPrintable(folder)) << folder << true;
        QTest::addRow("%s, added", qPrintable(folder)) << folder << false;
    }
}

// The folder is looked into once; the button looks at the file itself, and the slot
// then shows what it found.
void TestNumberedPages::pdfChangedWhileRunning()
{
    QFETCH(QString, folder);
    QFETCH(bool, presentAtFirst);
    PutPdfs(m_documents->path(), folder, presentAtFirst ? QList<int>{0} : QList<int>{});
    auto page = MakePage(folder, Catalogue(Kind(folder), 2, 3, {0, 1}), m_opener);
    m_opener.SetLauncher([](const QUrl&) { return true; });
    QSignalSpy failed(page.get(), &SamplePage::DocumentFailed);
    QVERIFY(Choose(page->Selector(), 3));
    QCOMPARE(page->TopSlot()->SampleText(), Shown(folder, 0, presentAtFirst));

    const QString pdf =
        QDir(m_documents->path())
            .filePath(QStringLiteral("bunrei_pdf/%1/%2").arg(folder, PdfName(folder, 0)));
    if (presentAtFirst)
        QVERIFY(QFile::remove(pdf));
    else
        PutPdfs(m_documents->path(), folder, {0});
    QTest::mouseClick(page->TopButton(), Qt::LeftButton);
    QCOMPARE(failed.size(), presentAtFirst ? 1 : 0);
    QCOMPARE(page->TopSlot()->SampleText(), Shown(folder, 0, !presentAtFirst));
}

void TestNumberedPages::emptyPdfName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("gakubu") << QStringLiteral("gakubu");
    QTest::newRow("jiko") << QStringLiteral("jiko");
}

void TestNumberedPages::emptyPdfName()
{
    QFETCH(QString, folder);
    const PageKind kind = Kind(folder);
    // The document folder itself exists, so an empty name must not count as present.
    PutPdfs(m_documents->path(), folder, {});
    QVERIFY(QDir::setCurrent(m_documents->path()));

    QList<SampleRecord> catalogue = Catalogue(kind, 3, 1, {2});
    catalogue[2].pdfName.clear();
    auto page = MakePage(folder, catalogue, m_opener);
    bool launched = false;
    m_opener.SetLauncher([&launched](const QUrl&) { return launched = true; });
    QSignalSpy failed(page.get(), &SamplePage::DocumentFailed);

    QVERIFY(Choose(page->Selector(), 1));
    QCOMPARE(page->TopSlot()->SampleText(),
             QStringLiteral("\r\n\r\nNo.3\r\n\r\n　第3の文例です。\r\n　二段落目です。"));
    QVERIFY(page->TopButton()->isEnabled());
    QTest::mouseClick(page->TopButton(), Qt::LeftButton);
    QVERIFY(!launched);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QString());
}

void TestNumberedPages::pagesToTheLastTwo_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("matches");
    QTest::addColumn<bool>("byWheel");

    // The original lists held 200 and 50 matches; the catalogues are full here.
    for (bool byWheel : {true, false}) {
        const char* how = byWheel ? "wheel" : "page down";
        QTest::addRow("gakubu, 200 matches, %s", how) << QStringLiteral("gakubu") << 200 << byWheel;
        QTest::addRow("gakubu, 201 matches, %s", how) << QStringLiteral("gakubu") << 201 << byWheel;
        QTest::addRow("gakubu, all 324, %s", how) << QStringLiteral("gakubu") << 324 << byWheel;
        QTest::addRow("jiko, 50 matches, %s", how) << QStringLiteral("jiko") << 50 << byWheel;
        QTest::addRow("jiko, 51 matches, %s", how) << QStringLiteral("jiko") << 51 << byWheel;
    }
}

void TestNumberedPages::pagesToTheLastTwo()
{
    QFETCH(QString, folder);
    QFETCH(int, matches);
    QFETCH(bool, byWheel);
    const PageKind kind = Kind(folder);

    // Matches spread over the catalogue: every record from the first match on, bar a
    // few skipped ones near the start, so the last two are the catalogue's last two.
    QList<int> filed;
    const int skipped = kind.capacity - matches;
    for (int p = 0; p < kind.capacity; ++p) {
        if (p >= 2 * skipped || p % 2 == 1)
            filed << p;
    }
    QCOMPARE(filed.size(), matches);
    const int category = 9;
    auto page = MakePage(folder, Catalogue(kind, kind.capacity, category, filed), m_opener);
    QVERIFY(Choose(page->Selector(), category));
    QCOMPARE(page->CountLabel()->text(), QStringLiteral("%1 件").arg(matches));
    QCOMPARE(page->ScrollBar()->maximum(), matches - 2);
    QCOMPARE(page->TopSlot()->SampleText(), Shown(folder, filed.at(0), false));

    // Past the end on purpose: the pager must stop at the last two.
    for (int step = 0; step < matches; ++step) {
        if (byWheel)
            Wheel(page.get(), -120);
        else
            page->ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    QCOMPARE(page->ScrollBar()->value(), matches - 2);
    const int last = kind.capacity - 1;
    QCOMPARE(page->TopPdfName(), PdfName(folder, last - 1));
    QCOMPARE(page->BottomPdfName(), PdfName(folder, last));
    QCOMPARE(page->TopSlot()->SampleText(), Shown(folder, last - 1, false));
    QCOMPARE(page->BottomSlot()->SampleText(), Shown(folder, last, false));
    QVERIFY(page->TopButton()->isEnabled());
    QVERIFY(page->BottomButton()->isEnabled());
}

QTEST_MAIN(TestNumberedPages)
#include "tst_numberedpages.moc"
