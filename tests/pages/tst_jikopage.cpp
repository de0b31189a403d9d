#include "CDlgTabJiko.h"
#include "DocumentOpener.h"
#include "NumberedPageSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace NumberedPageSupport;

namespace {

constexpr int Faculties = 15;

// Faculty f is filed on f + 1 records (capped at five), spread over the catalogue.
QList<SampleRecord> SeveralPerFaculty()
{
    QList<SampleRecord> records;
    for (int round = 0; round < 5; ++round) {
        for (int f = 0; f < Faculties; ++f) {
            QString mask = Mask(Faculties, {});
            if (f >= round)
                mask[f] = u'1';
            records << Record(QStringLiteral("jiko"), int(records.size()), mask);
        }
    }
    return records;
}

} // namespace

class TestJikoPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deliveredCatalogueFindsNothing_data();
    void deliveredCatalogueFindsNothing();
    void facultySelectsItsMaskPosition_data();
    void facultySelectsItsMaskPosition();
    void arrowDoesWhatItsLabelDoes_data();
    void arrowDoesWhatItsLabelDoes();
    void selectingAgainReturnsToTheStart_data();
    void selectingAgainReturnsToTheStart();

private:
    QTemporaryDir m_documents;
    DocumentOpener m_opener;
};

void TestJikoPage::initTestCase()
{
    QVERIFY(m_documents.isValid());
    m_opener.SetDocumentFolder(m_documents.path());
}

void TestJikoPage::deliveredCatalogueFindsNothing_data()
{
    QTest::addColumn<int>("faculty");
    QTest::addColumn<QString>("caption");
    const QStringList names = {
        QStringLiteral("文学部"),
        QStringLiteral("外国語学部"),
        QStringLiteral("人文・教養・人間科学部"),
        QStringLiteral("教育・教員養成系学部"),
        QStringLiteral("法学部"),
        QStringLiteral("経済・経営・商学部"),
        QStringLiteral("社会・社会福祉学部"),
        QStringLiteral("国際関係学部"),
        QStringLiteral("理学部"),
        QStringLiteral("工学部"),
        QStringLiteral("農・獣医畜産・水産学部"),
        QStringLiteral("医学・歯学部"),
        QStringLiteral("看護・医療・栄養・薬学部"),
        QStringLiteral("家政・生活学部"),
        QStringLiteral("芸術学部"),
    };
    for (int f = 0; f < Faculties; ++f)
        QTest::addRow("%d %s", f, qPrintable(names.at(f))) << f << names.at(f);
}

void TestJikoPage::deliveredCatalogueFindsNothing()
{
    QFETCH(int, faculty);
    QFETCH(QString, caption);
    CDlgTabJiko page;
    page.SetDocumentOpener(&m_opener);
    QCOMPARE(page.Selector()->EntryCount(), Faculties);
    QTest::mouseClick(page.Selector()->Label(faculty), Qt::LeftButton);
    QVERIFY(!page.Selector()->OpenMenu());
    QCOMPARE(State(&page), NothingFound(caption));
}

void TestJikoPage::facultySelectsItsMaskPosition_data()
{
    QTest::addColumn<int>("faculty");
    for (int f = 0; f < Faculties; ++f)
        QTest::addRow("%d", f) << f;
}

void TestJikoPage::facultySelectsItsMaskPosition()
{
    QFETCH(int, faculty);
    // Record f is filed under faculty f; a last record with a short mask and stray
    // characters must match nothing past its end and nothing but an exact '1'.
    QList<SampleRecord> records;
    for (int f = 0; f < Faculties; ++f)
        records << Record(QStringLiteral("jiko"), f, Mask(Faculties, {f}));
    records << Record(QStringLiteral("jiko"), Faculties, QStringLiteral("0１ 0"));
    CDlgTabJiko page(nullptr, records);
    page.SetDocumentOpener(&m_opener);
    QTest::mouseClick(page.Selector()->Label(faculty), Qt::LeftButton);
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("1 件"));
    QCOMPARE(page.TopSlot()->SampleText(), Shown(QStringLiteral("jiko"), faculty, false));
    QVERIFY(page.BottomSlot()->SampleText().isEmpty());
}

void TestJikoPage::arrowDoesWhatItsLabelDoes_data()
{
    facultySelectsItsMaskPosition_data();
}

void TestJikoPage::arrowDoesWhatItsLabelDoes()
{
    QFETCH(int, faculty);
    CDlgTabJiko page(nullptr, SeveralPerFaculty());
    page.SetDocumentOpener(&m_opener);
    FieldSelector* selector = page.Selector();
    const int other = (faculty + 7) % Faculties;

    QTest::mouseClick(selector->Label(faculty), Qt::LeftButton);
    const QStringList byLabel = State(&page);
    QTest::mouseClick(selector->Label(other), Qt::LeftButton);
    Wheel(&page, -120);
    QVERIFY(State(&page) != byLabel);
    QTest::mouseClick(selector->Arrow(faculty), Qt::LeftButton);
    QCOMPARE(State(&page), byLabel);
    QVERIFY(!selector->OpenMenu());
}

void TestJikoPage::selectingAgainReturnsToTheStart_data()
{
    QTest::addColumn<bool>("againByArrow");
    QTest::newRow("label again") << false;
    QTest::newRow("arrow after label") << true;
}

void TestJikoPage::selectingAgainReturnsToTheStart()
{
    QFETCH(bool, againByArrow);
    CDlgTabJiko page(nullptr, SeveralPerFaculty());
    page.SetDocumentOpener(&m_opener);
    FieldSelector* selector = page.Selector();
    const int faculty = 14; // 芸術学部: five matches
    QTest::mouseClick(selector->Label(faculty), Qt::LeftButton);
    QCOMPARE(page.CaptionLabel()->text(), QStringLiteral("芸術学部"));
    QCOMPARE(page.CountLabel()->text(), QStringLiteral("5 件"));
    const QStringList start = State(&page);
    for (int i = 0; i < 2; ++i)
        Wheel(&page, -120);
    QCOMPARE(page.ScrollBar()->value(), 2);

    QTest::mouseClick(againByArrow ? selector->Arrow(faculty) : selector->Label(faculty),
                      Qt::LeftButton);
    QCOMPARE(State(&page), start);
    QCOMPARE(page.ScrollBar()->value(), 0);
    QCOMPARE(page.TopSlot()->SampleText(), Shown(QStringLiteral("jiko"), faculty, false));
}

QTEST_MAIN(TestJikoPage)
#include "tst_jikopage.moc"
