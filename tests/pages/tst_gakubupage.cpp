// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabGakubu.h"
#include "CatalogueData.h"
#include "DocumentOpener.h"
#include "FieldTable.h"
#include "NumberedPageSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace NumberedPageSupport;

class TestGakubuPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deliveredCatalogueFillsEveryField_data();
    void deliveredCatalogueFillsEveryField();
    void fieldSelectsItsMaskPosition_data();
    void fieldSelectsItsMaskPosition();
    void arrowDoesWhatItsLabelDoes_data();
    void arrowDoesWhatItsLabelDoes();

private:
    QTemporaryDir m_documents;
    DocumentOpener m_opener;
};

namespace {

void AllFields()
{
    QTest::addColumn<int>("field");
    for (int field = 0; field < FieldTable::FieldCount; ++field)
        QTest::addRow("%d %s", field, qPrintable(FieldTable::fields().at(field).name)) << field;
}

// Record i is filed under field i alone.
QList<SampleRecord> OnePerField()
{
    QList<SampleRecord> records;
    for (int field = 0; field < FieldTable::FieldCount; ++field)
        records << Record(QStringLiteral("gakubu"), field, Mask(FieldTable::FieldCount, {field}));
    return records;
}

} // namespace

void TestGakubuPage::initTestCase()
{
    QVERIFY(m_documents.isValid());
    m_opener.SetDocumentFolder(m_documents.path());
}

void TestGakubuPage::deliveredCatalogueFillsEveryField_data()
{
    AllFields();
}

void TestGakubuPage::deliveredCatalogueFillsEveryField()
{
    QFETCH(int, field);
    const QList<SampleRecord>& catalogue =
        CatalogueData::ForFolder(QStringLiteral("gakubu")).records;
    // The field's first sample has its PDF, the second not: both headings show.
    QSet<QString> present;
    for (const SampleRecord& r : catalogue) {
        if (r.mask.at(field) == u'1') {
            present << r.pdfName;
            break;
        }
    }
    const QString folder = m_documents.filePath(QStringLiteral("bunrei_pdf/gakubu/"));
    QVERIFY(QDir().mkpath(folder));
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        QVERIFY(QFile::remove(folder + name));
    for (const QString& name : present) {
        QFile pdf(folder + name);
        QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    // The opener looks into the folder once per run: a fresh look, as at start-up.
    m_opener.SetDocumentFolder(m_documents.path());
    CDlgTabGakubu page;
    page.SetDocumentOpener(&m_opener);
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("0 件"));
    QVERIFY(Choose(page.Selector(), field));
    QCOMPARE(State(&page).mid(0, 8),
             FirstTwoFiled(FieldTable::Caption(field), catalogue, field, present));
    QVERIFY2(page.CountLabel()->text() != QStringLiteral("0 件") &&
                 page.CountLabel()->text() != QStringLiteral("1 件"),
             "every field offers two samples at least");
}

void TestGakubuPage::fieldSelectsItsMaskPosition_data()
{
    AllFields();
}

void TestGakubuPage::fieldSelectsItsMaskPosition()
{
    QFETCH(int, field);
    CDlgTabGakubu page(nullptr, OnePerField());
    page.SetDocumentOpener(&m_opener);
    QVERIFY(Choose(page.Selector(), field));
    QCOMPARE(page.CaptionLabel()->text(), FieldTable::Caption(field));
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("1 件"));
    QCOMPARE(page.TopSlot()->SampleText(), Shown(QStringLiteral("gakubu"), field, false));
}

void TestGakubuPage::arrowDoesWhatItsLabelDoes_data()
{
    QTest::addColumn<int>("entry");
    for (int e = 0; e < FieldTable::FacultyCount; ++e)
        QTest::addRow("%s", qPrintable(FieldTable::faculties().at(e).name)) << e;
}

void TestGakubuPage::arrowDoesWhatItsLabelDoes()
{
    QFETCH(int, entry);
    CDlgTabGakubu page(nullptr, OnePerField());
    page.SetDocumentOpener(&m_opener);
    page.show();
    FieldSelector* selector = page.Selector();

    // Where the click's menu opened and what it offered, then what the page shows
    // once its last item is chosen; or, without a menu, what the click selected.
    const int elsewhere = entry == 0 ? FieldTable::FieldCount - 1 : 0;
    auto clickAndRecord = [&](ClickableLabel* target) {
        Choose(selector, elsewhere);
        QTest::mouseClick(target, Qt::LeftButton);
        QStringList seen;
        if (QMenu* menu = selector->OpenMenu()) {
            seen << QStringLiteral("menu at %1,%2").arg(menu->x()).arg(menu->y());
            for (QAction* action : menu->actions())
                seen << (action->isSeparator() ? QStringLiteral("---") : action->text());
            menu->actions().last()->trigger();
            menu->close();
        }
        return seen + State(&page);
    };
    const QStringList byLabel = clickAndRecord(selector->Label(entry));
    const QStringList byArrow = clickAndRecord(selector->Arrow(entry));
    QCOMPARE(byArrow, byLabel);

    if (selector->EntryAt(entry).popup) {
        // The menu hangs from the label, not from the arrow that was clicked.
        const QPoint anchor =
            selector->Label(entry)->mapToGlobal(QPoint(0, FieldSelector::PopupDrop));
        QVERIFY(byLabel.contains(QStringLiteral("menu at %1,%2").arg(anchor.x()).arg(anchor.y())));
    } else {
        const int field = selector->EntryAt(entry).choices.first().index;
        QCOMPARE(byLabel.first(), QStringLiteral("caption ") + FieldTable::Caption(field));
        QVERIFY(!selector->OpenMenu());
    }
}

QTEST_MAIN(TestGakubuPage)
#include "tst_gakubupage.moc"
