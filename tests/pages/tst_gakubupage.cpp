#include "CDlgTabGakubu.h"
#include "DocumentOpener.h"
#include "FieldTable.h"
#include "NumberedPageSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace NumberedPageSupport;

class TestGakubuPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deliveredCatalogueFindsNothing_data();
    void deliveredCatalogueFindsNothing();
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

void TestGakubuPage::deliveredCatalogueFindsNothing_data()
{
    AllFields();
}

void TestGakubuPage::deliveredCatalogueFindsNothing()
{
    QFETCH(int, field);
    CDlgTabGakubu page;
    page.SetDocumentOpener(&m_opener);
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("0 件"));
    QVERIFY(Choose(page.Selector(), field));
    QCOMPARE(State(&page), NothingFound(FieldTable::Caption(field)));
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
