// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The pages chosen by one label (項目別推薦文(推薦・志望理由), 学部別推薦文, 自己推薦文), one
// table over the page identity table: every category of the delivered catalogues,
// the mask position each selects, labels and arrows alike, choosing again, and each
// slot's 字数 and "下書きへ".
#include "CatalogueData.h"
#include "CategoryPage.h"
#include "ChoiceColumn.h"
#include "DialogUnits.h"
#include "DocumentOpener.h"
#include "NumberedPageSupport.h"
#include "PageFactory.h"
#include "PageIdentity.h"
#include "SlotDraftControls.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

using namespace NumberedPageSupport;

namespace {

std::unique_ptr<CategoryPage> Page(const QString& folder,
                                   std::optional<QList<SampleRecord>> catalogue = std::nullopt)
{
    return std::unique_ptr<CategoryPage>(
        qobject_cast<CategoryPage*>(PageFactory::Create(folder, nullptr, std::move(catalogue))));
}

QList<FieldSelector::Entry> Entries(const QString& folder)
{
    return FieldSelector::EntriesFor(PageIdentity::ForFolder(folder).selector);
}

int Width(const QString& folder)
{
    int width = 0;
    for (const FieldSelector::Entry& entry : Entries(folder)) {
        for (const FieldSelector::Choice& choice : entry.choices)
            width = std::max(width, choice.index + 1);
    }
    return width;
}

// Record i is filed under category i alone; a last one with a short mask and stray
// characters must match nothing past its end and nothing but an exact '1'.
QList<SampleRecord> OnePerCategory(const QString& folder)
{
    QList<SampleRecord> records;
    for (int c = 0; c < Width(folder); ++c)
        records << Record(folder, c, Mask(Width(folder), {c}));
    records << Record(folder, Width(folder), QStringLiteral("0１ 0"));
    return records;
}

// One row per page chosen by labels, and per `each` of its rows.
template <typename Each> void PerPage(Each each)
{
    for (const PageIdentity::Page& page : PageIdentity::All()) {
        if (page.selector == PageIdentity::Selector::Fields ||
            page.selector == PageIdentity::Selector::Faculties)
            each(page.folder);
    }
}

void EveryCategory()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("caption");
    PerPage([](const QString& folder) {
        for (const FieldSelector::Entry& entry : Entries(folder)) {
            for (const FieldSelector::Choice& choice : entry.choices)
                QTest::addRow("%s %d %s", qPrintable(folder), choice.index, qPrintable(choice.name))
                    << folder << choice.index << choice.caption;
        }
    });
}

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

class TestCategoryPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deliveredCatalogueFillsEveryCategory_data() { EveryCategory(); }
    void deliveredCatalogueFillsEveryCategory();
    void categorySelectsItsMaskPosition_data() { EveryCategory(); }
    void categorySelectsItsMaskPosition();
    void arrowDoesWhatItsLabelDoes_data();
    void arrowDoesWhatItsLabelDoes();
    void choosingAgainStartsOver_data();
    void choosingAgainStartsOver();
    void slotCountsTheSampleItself_data();
    void slotCountsTheSampleItself();

private:
    QTemporaryDir m_documents;
    DocumentOpener m_opener;
};

void TestCategoryPages::initTestCase()
{
    QVERIFY(m_documents.isValid());
    m_opener.SetDocumentFolder(m_documents.path());
}

void TestCategoryPages::deliveredCatalogueFillsEveryCategory()
{
    QFETCH(QString, folder);
    QFETCH(int, category);
    QFETCH(QString, caption);
    const QList<SampleRecord>& catalogue = CatalogueData::ForFolder(folder).records;
    const bool numbered = PageIdentity::ForFolder(folder).numbered;
    // The category's first sample has its PDF, the second not: both headings show.
    QSet<QString> present;
    for (const SampleRecord& r : catalogue) {
        if (r.mask.at(category) == u'1') {
            present << r.pdfName;
            break;
        }
    }
    const QString documents = m_documents.filePath(QStringLiteral("bunrei_pdf/") + folder + u'/');
    QVERIFY(QDir().mkpath(documents));
    for (const QString& name : QDir(documents).entryList(QDir::Files))
        QVERIFY(QFile::remove(documents + name));
    for (const QString& name : present) {
        QFile pdf(documents + name);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    // The opener looks into the folder once per run: a fresh look, as at start-up.
    m_opener.SetDocumentFolder(m_documents.path());
    const auto page = Page(folder);
    page->SetDocumentOpener(&m_opener);
    QCOMPARE(page->CountLabel()->text(), QStringLiteral("0 件"));
    QVERIFY(Choose(page->Selector(), category));
    QCOMPARE(State(page.get()).mid(0, 8),
             FirstTwoFiled(caption, catalogue, category, present, numbered));
}

void TestCategoryPages::categorySelectsItsMaskPosition()
{
    QFETCH(QString, folder);
    QFETCH(int, category);
    QFETCH(QString, caption);
    const auto page = Page(folder, OnePerCategory(folder));
    page->SetDocumentOpener(&m_opener);
    QVERIFY(Choose(page->Selector(), category));
    QCOMPARE(page->CaptionLabel()->text(), caption);
    QCOMPARE(page->CountLabel()->text(), QStringLiteral("1 件"));
    QCOMPARE(page->TopSlot()->SampleText(),
             Shown(folder, category, false, PageIdentity::ForFolder(folder).numbered));
    QVERIFY(page->BottomSlot()->SampleText().isEmpty());
}

void TestCategoryPages::arrowDoesWhatItsLabelDoes_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("entry");
    PerPage([](const QString& folder) {
        const QList<FieldSelector::Entry> entries = Entries(folder);
        for (int e = 0; e < entries.size(); ++e)
            QTest::addRow("%s %s", qPrintable(folder), qPrintable(entries.at(e).label))
                << folder << e;
    });
}

void TestCategoryPages::arrowDoesWhatItsLabelDoes()
{
    QFETCH(QString, folder);
    QFETCH(int, entry);
    const auto page = Page(folder, OnePerCategory(folder));
    page->SetDocumentOpener(&m_opener);
    page->show();
    FieldSelector* selector = page->Selector();
    const FieldSelector::Entry& e = selector->EntryAt(entry);

    // Where the click's menu opened and what it offered, then what the page shows
    // once its last item is chosen; or, without a menu, what the click selected.
    const int elsewhere = selector->EntryAt(entry == 0 ? 1 : 0).choices.first().index;
    auto clickAndRecord = [&](QPoint at) {
        Choose(selector, elsewhere);
        QTest::mouseClick(selector->Column(), Qt::LeftButton, {}, at);
        QStringList seen;
        if (QMenu* menu = selector->OpenMenu()) {
            seen << QStringLiteral("menu at %1,%2").arg(menu->x()).arg(menu->y());
            for (QAction* action : menu->actions())
                seen << (action->isSeparator() ? QStringLiteral("---") : action->text());
            menu->actions().last()->trigger();
            menu->close();
        }
        return seen + State(page.get());
    };
    const QStringList byLabel = clickAndRecord(selector->Column()->TextRect(entry).center());
    const QStringList byArrow = clickAndRecord(selector->Column()->ArrowRect(entry).center());
    QCOMPARE(byArrow, byLabel);

    if (e.popup) {
        // The menu hangs from the caption, not from the arrow that was clicked, and
        // lists the choices in table order with a separator between each two.
        const QPoint anchor = selector->Column()->parentWidget()->mapToGlobal(
            DialogUnits::Rect(e.labelRect).topLeft() + QPoint(0, FieldSelector::PopupDrop));
        QStringList expected{QStringLiteral("menu at %1,%2").arg(anchor.x()).arg(anchor.y())};
        for (const FieldSelector::Choice& choice : e.choices)
            expected << QStringLiteral("---") << choice.name;
        expected.removeAt(1);
        QCOMPARE(byLabel.mid(0, expected.size()), expected);
    } else {
        QCOMPARE(byLabel.first(), QStringLiteral("caption ") + e.choices.first().caption);
        QVERIFY(!selector->OpenMenu());
    }
}

void TestCategoryPages::choosingAgainStartsOver_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("againByArrow");
    PerPage([](const QString& folder) {
        QTest::addRow("%s, label again", qPrintable(folder)) << folder << false;
        QTest::addRow("%s, arrow after label", qPrintable(folder)) << folder << true;
    });
}

void TestCategoryPages::choosingAgainStartsOver()
{
    QFETCH(QString, folder);
    QFETCH(bool, againByArrow);
    // The last entry's first category on five records among others.
    const int category = Entries(folder).last().choices.first().index;
    QList<SampleRecord> records;
    for (int p = 0; p < 10; ++p)
        records << Record(folder, p,
                          Mask(Width(folder), {p % 2 ? category : (category + 1) % Width(folder)}));
    const auto page = Page(folder, records);
    page->SetDocumentOpener(&m_opener);
    QVERIFY(Choose(page->Selector(), category));
    QCOMPARE(page->CountLabel()->text(), QStringLiteral("5 件"));
    const QStringList start = State(page.get());
    for (int i = 0; i < 2; ++i)
        Wheel(page.get(), -120);
    QCOMPARE(page->ScrollBar()->value(), 2);
    QVERIFY(Choose(page->Selector(), category, againByArrow));
    QCOMPARE(State(page.get()), start);
    QCOMPARE(page->ScrollBar()->value(), 0);
}

void TestCategoryPages::slotCountsTheSampleItself_data()
{
    QTest::addColumn<QString>("folder");
    PerPage([](const QString& folder) { QTest::addRow("%s", qPrintable(folder)) << folder; });
}

void TestCategoryPages::slotCountsTheSampleItself()
{
    QFETCH(QString, folder);
    // Filed under 3 at 0, 9 and 13, under 5 at 5; the rest elsewhere. No document folder: every
    // slot of a numbered page is also headed by the missing PDF's name, which is not counted.
    QList<SampleRecord> catalogue;
    for (int p = 0; p < 14; ++p)
        catalogue << Record(folder, p,
                            Mask(Width(folder), {QList<int>{0, 9, 13}.contains(p) ? 3
                                                 : p == 5                         ? 5
                                                                                  : 4}));
    const auto page = Page(folder, catalogue);
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

QTEST_MAIN(TestCategoryPages)
#include "tst_categorypages.moc"
