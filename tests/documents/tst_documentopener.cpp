#include "DocumentOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Stands in for the desktop: what QDesktopServices hands a file URL to.
class DesktopStandIn : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> received;

public slots:
    void Take(const QUrl& url) { received << url; }
};

// The opener must hand over exactly the right file, however odd the folder it lives
// in, and must not claim success for a document that is not there.
class TestDocumentOpener : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void opensSampleOfEachPage_data();
    void opensSampleOfEachPage();
    void opensUsageGuide();
    void reportsMissingAndRefusedDocuments_data();
    void reportsMissingAndRefusedDocuments();
    void presenceIsCheckedWhereDocumentsOpen();
    void folderListingAgreesWithOpening();
    void handsOverToTheDesktop();
    void executableFolderIsTheProgramsOwn();

private:
    void Touch(const QString& relative);

    QTemporaryDir m_root;
    QString m_folder;
    DocumentOpener m_opener;
    QList<QUrl> m_handed;
    bool m_launcherAnswer = true;
};

void TestDocumentOpener::init()
{
    QVERIFY(m_root.isValid());
    // Spaces, '#', '%' and Japanese: each breaks a URL pasted together from strings.
    m_folder = QDir(m_root.path()).filePath(QStringLiteral("教材 #2 100%/文例 フォルダ"));
    QVERIFY(QDir().mkpath(m_folder));
    m_opener.SetDocumentFolder(m_folder);
    m_handed.clear();
    m_launcherAnswer = true;
    m_opener.SetLauncher([this](const QUrl& url) {
        m_handed << url;
        return m_launcherAnswer;
    });
}

void TestDocumentOpener::cleanup()
{
    QDir(m_folder).removeRecursively();
}

void TestDocumentOpener::Touch(const QString& relative)
{
    const QString path = QDir(m_folder).filePath(relative);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.4\n");
}

void TestDocumentOpener::opensSampleOfEachPage_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::newRow("tab 0") << QStringLiteral("koumoku1") << QStringLiteral("koumoku1_057.pdf");
    QTest::newRow("tab 1") << QStringLiteral("koumoku2") << QStringLiteral("koumoku2_019.pdf");
    QTest::newRow("tab 2") << QStringLiteral("gakubu") << QStringLiteral("gakubu_001.pdf");
    QTest::newRow("tab 3") << QStringLiteral("jiko") << QStringLiteral("jiko_078.pdf");
    QTest::newRow("odd file name") << QStringLiteral("gakubu") << QStringLiteral("a #b %20.pdf");
}

void TestDocumentOpener::opensSampleOfEachPage()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    Touch(QStringLiteral("bunrei_pdf/%1/%2").arg(folder, file));
    QCOMPARE(m_opener.OpenSampleDocument(folder, file), DocumentOpener::Result::Opened);
    QCOMPARE(m_handed.size(), 1);
    const QUrl url = m_handed.first();
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.toLocalFile(), m_folder + QStringLiteral("/bunrei_pdf/") + folder + u'/' + file);
    QVERIFY(QFileInfo::exists(url.toLocalFile()));
    // Opening twice asks twice; nothing is remembered.
    m_opener.OpenSampleDocument(folder, file);
    QCOMPARE(m_handed.size(), 2);
    QCOMPARE(m_handed.at(1), url);
}

void TestDocumentOpener::opensUsageGuide()
{
    Touch(QStringLiteral("riyou.pdf"));
    QCOMPARE(m_opener.OpenUsageGuide(), DocumentOpener::Result::Opened);
    QCOMPARE(m_handed.size(), 1);
    QCOMPARE(m_handed.first().toLocalFile(), m_folder + QStringLiteral("/riyou.pdf"));
}

void TestDocumentOpener::reportsMissingAndRefusedDocuments_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("launcherAnswer");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("handed");
    QTest::newRow("missing file") << QStringLiteral("koumoku1_999.pdf") << true
                                  << int(DocumentOpener::Result::Missing) << 0;
    QTest::newRow("no viewer") << QStringLiteral("koumoku1_057.pdf") << false
                               << int(DocumentOpener::Result::Failed) << 1;
    QTest::newRow("empty name names the folder")
        << QString() << true << int(DocumentOpener::Result::Missing) << 0;
    QTest::newRow("climbing out") << QStringLiteral("../../riyou.pdf") << true
                                  << int(DocumentOpener::Result::Missing) << 0;
    QTest::newRow("dot dot") << QStringLiteral("..") << true << int(DocumentOpener::Result::Missing)
                             << 0;
    QTest::newRow("backslash path")
        << QStringLiteral("..\\riyou.pdf") << true << int(DocumentOpener::Result::Missing) << 0;
}

void TestDocumentOpener::reportsMissingAndRefusedDocuments()
{
    QFETCH(QString, file);
    QFETCH(bool, launcherAnswer);
    Touch(QStringLiteral("bunrei_pdf/koumoku1/koumoku1_057.pdf"));
    Touch(QStringLiteral("riyou.pdf"));
    m_launcherAnswer = launcherAnswer;
    QTEST(int(m_opener.OpenSampleDocument(QStringLiteral("koumoku1"), file)), "result");
    QTEST(int(m_handed.size()), "handed");
}

void TestDocumentOpener::presenceIsCheckedWhereDocumentsOpen()
{
    Touch(QStringLiteral("bunrei_pdf/jiko/jiko_001.pdf"));
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QSet<QString> present = m_opener.PresentSampleDocuments(QStringLiteral("jiko"));
    QDir::setCurrent(before);
    QCOMPARE(present, QSet<QString>{QStringLiteral("jiko_001.pdf")});
}

void TestDocumentOpener::folderListingAgreesWithOpening()
{
    const QString jiko = QDir(m_folder).filePath(QStringLiteral("bunrei_pdf/jiko/"));
    Touch(QStringLiteral("bunrei_pdf/jiko/jiko_001.pdf"));
    Touch(QStringLiteral("bunrei_pdf/jiko/.hidden.pdf"));
    QVERIFY(QDir().mkpath(jiko + QStringLiteral("folder.pdf")));
    QVERIFY(
        QFile::link(jiko + QStringLiteral("jiko_001.pdf"), jiko + QStringLiteral("linked.pdf")));
    QVERIFY(QFile::link(jiko + QStringLiteral("gone.pdf"), jiko + QStringLiteral("dangling.pdf")));
    const QSet<QString> present = m_opener.PresentSampleDocuments(QStringLiteral("jiko"));
    for (const QString& name : {QStringLiteral("jiko_001.pdf"), QStringLiteral(".hidden.pdf"),
                                QStringLiteral("folder.pdf"), QStringLiteral("linked.pdf"),
                                QStringLiteral("dangling.pdf"), QStringLiteral("jiko_002.pdf")}) {
        const bool opens = m_opener.OpenSampleDocument(QStringLiteral("jiko"), name) ==
                           DocumentOpener::Result::Opened;
        QCOMPARE(present.contains(name), opens);
    }
    QCOMPARE(present.size(), 3);
    QVERIFY(m_opener.PresentSampleDocuments(QStringLiteral("gakubu")).isEmpty());
}

void TestDocumentOpener::handsOverToTheDesktop()
{
    // A fresh opener as the program makes it, with only the desktop replaced.
    DocumentOpener program;
    program.SetDocumentFolder(m_folder);
    const QString file = QStringLiteral("a #b %20.pdf");
    Touch(QStringLiteral("bunrei_pdf/gakubu/") + file);
    DesktopStandIn desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "Take");
    const DocumentOpener::Result result =
        program.OpenSampleDocument(QStringLiteral("gakubu"), file);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(result, DocumentOpener::Result::Opened);
    QCOMPARE(desktop.received, QList<QUrl>{QUrl::fromLocalFile(
                                   program.SampleDocumentPath(QStringLiteral("gakubu"), file))});
    QCOMPARE(desktop.received.first().toLocalFile(),
             m_folder + QStringLiteral("/bunrei_pdf/gakubu/") + file);
}

void TestDocumentOpener::executableFolderIsTheProgramsOwn()
{
    const QString folder = DocumentOpener::ExecutableFolder();
    QVERIFY(!folder.endsWith(u'/'));
    QCOMPARE(QFileInfo(folder).canonicalFilePath(),
             QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath());
}

QTEST_MAIN(TestDocumentOpener)
#include "tst_documentopener.moc"
