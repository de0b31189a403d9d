// `cmake --install` into a fresh prefix gives a program that finds its documents
// there, and the entries a Linux desktop reads to list and launch it.
#include "CatalogueData.h"
#include "DocumentOpener.h"
#include "ExternalTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AppId = QStringLiteral(KIRAVELO_APP_ID);

} // namespace

class TestInstallation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void icons_data();
    void icons();
    void openerFindsInstalledDocuments();
    void desktopEntry();
    void metainfoValidates();

private:
    QString Installed(const QString& relative) const { return m_prefix.filePath(relative); }

    QTemporaryDir m_prefix;
};

void TestInstallation::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const ExternalTool install =
        ExternalTool::Run(QStringLiteral(KIRAVELO_CMAKE_COMMAND),
                          {QStringLiteral("--install"), QStringLiteral(KIRAVELO_BINARY_DIR),
                           QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output + install.errors));
}

void TestInstallation::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("program") << QStringLiteral("bin/kiravelo");
    QTest::newRow("usage guide") << QStringLiteral("share/kiravelo/riyou.pdf");
    QTest::newRow("desktop entry") << QStringLiteral("share/applications/%1.desktop").arg(AppId);
    QTest::newRow("metainfo") << QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId);
    for (const CatalogueData::Catalogue& catalogue : CatalogueData::All()) {
        for (const SampleRecord& record : catalogue.records)
            QTest::addRow("%s", qPrintable(record.pdfName))
                << QStringLiteral("share/kiravelo/bunrei_pdf/%1/%2")
                       .arg(catalogue.folder, record.pdfName);
    }
}

void TestInstallation::installedFiles()
{
    QFETCH(QString, file);
    const QFileInfo info(Installed(file));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    if (file.startsWith(QStringLiteral("bin/")))
        QVERIFY(info.isExecutable());
}

void TestInstallation::icons_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("48") << 48;
    QTest::newRow("256") << 256;
}

void TestInstallation::icons()
{
    QFETCH(int, size);
    const QImage icon(
        Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId)));
    QCOMPARE(icon.size(), QSize(size, size));
    // Drawn, not blank: the middle of the sheet is opaque.
    QCOMPARE(icon.pixelColor(size / 3, size / 2).alpha(), 255);
}

void TestInstallation::openerFindsInstalledDocuments()
{
    // The lookup the installed program makes from its own folder.
    const QString folder = DocumentOpener::LocateDocumentFolder(Installed(QStringLiteral("bin")));
    QCOMPARE(folder, QDir::cleanPath(Installed(QStringLiteral("share/kiravelo"))));

    DocumentOpener opener;
    opener.SetDocumentFolder(folder);
    QList<QUrl> opened;
    opener.SetLauncher([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    QList<QUrl> expected;
    for (const CatalogueData::Catalogue& catalogue : CatalogueData::All()) {
        for (const SampleRecord& record : catalogue.records) {
            QCOMPARE(opener.OpenSampleDocument(catalogue.folder, record.pdfName),
                     DocumentOpener::Result::Opened);
            expected << QUrl::fromLocalFile(
                Installed(QStringLiteral("share/kiravelo/bunrei_pdf/%1/%2")
                              .arg(catalogue.folder, record.pdfName)));
        }
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(opener.OpenUsageGuide(), DocumentOpener::Result::Opened);
    expected << QUrl::fromLocalFile(Installed(QStringLiteral("share/kiravelo/riyou.pdf")));
    QCOMPARE(opened, expected);
}

void TestInstallation::desktopEntry()
{
    const QString path = Installed(QStringLiteral("share/applications/%1.desktop").arg(AppId));
    QVERIFY2(ExternalTool::Installed(QStringLiteral("desktop-file-validate")),
             "desktop-file-validate is missing: run scripts/install-deps.sh");
    const ExternalTool validate =
        ExternalTool::Run(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY2(validate.exitCode == 0, qPrintable(validate.output + validate.errors));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QVERIFY(lines.contains(QStringLiteral("Exec=kiravelo")));
    QVERIFY(lines.contains(QStringLiteral("Icon=") + AppId));
}

void TestInstallation::metainfoValidates()
{
    QVERIFY2(ExternalTool::Installed(QStringLiteral("appstreamcli")),
             "appstreamcli is missing: run scripts/install-deps.sh");
    const QString path = Installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(AppId));
    const ExternalTool validate =
        ExternalTool::Run(QStringLiteral("appstreamcli"),
                          {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
    QVERIFY2(validate.exitCode == 0, qPrintable(validate.output + validate.errors));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    QVERIFY(xml.contains(QStringLiteral("<id>%1</id>").arg(AppId)));
    QVERIFY(xml.contains(
        QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(AppId)));
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
