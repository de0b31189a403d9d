// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Debian package `make package` builds, unpacked as dpkg would unpack it (the
// tree `cmake --install` makes under /usr): the documents where the installed program
// looks for them and opens them, desktop entries and icons that validate and launch
// it, and the dependencies it declares.
#include "CatalogueData.h"
#include "DocumentOpener.h"
#include "ExternalTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AppId = QStringLiteral(KIRAVELO_APP_ID);

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everythingUnderUsr();
    void controlFields_data();
    void controlFields();
    void dependencies_data();
    void dependencies();
    void programFindsAndOpensItsDocuments();
    void icons_data();
    void icons();
    void documents_data();
    void documents();
    void desktopEntryLaunchesTheProgram();
    void entriesValidate_data();
    void entriesValidate();
    void metainfoNamesThisRelease();

private:
    QString Unpacked(const QString& relative) const { return m_root.filePath(relative); }
    QString Field(const QString& name) const;

    QTemporaryDir m_root;
    QString m_control;
    QStringList m_contents;
};

void TestPackage::initTestCase()
{
    const QString package = QStringLiteral(KIRAVELO_PACKAGE);
    QVERIFY2(QFileInfo(package).isFile(), qPrintable(package + QStringLiteral(" was not built")));
    QVERIFY(m_root.isValid());
    const ExternalTool extract = ExternalTool::Run(QStringLiteral("dpkg-deb"),
                                                   {QStringLiteral("-x"), package, m_root.path()});
    QVERIFY2(extract.exitCode == 0, qPrintable(extract.errors));
    const ExternalTool info =
        ExternalTool::Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-I"), package});
    QVERIFY2(info.exitCode == 0, qPrintable(info.errors));
    m_control = info.output;
    const ExternalTool contents =
        ExternalTool::Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-c"), package});
    QVERIFY2(contents.exitCode == 0, qPrintable(contents.errors));
    // "drwxr-xr-x root/root 0 2026-12-07 12:00 ./usr/bin/": the path is the last column.
    for (const QString& line : contents.output.split(u'\n', Qt::SkipEmptyParts))
        m_contents << line.section(u' ', -1);
}

QString TestPackage::Field(const QString& name) const
{
    const QRegularExpression field(QStringLiteral("^ %1: (.*)$").arg(name),
                                   QRegularExpression::MultilineOption);
    return field.match(m_control).captured(1).trimmed();
}

void TestPackage::everythingUnderUsr()
{
    QVERIFY(m_contents.size() > 10);
    for (const QString& path : m_contents)
        QVERIFY2(path == QStringLiteral("./") || path.startsWith(QStringLiteral("./usr/")),
                 qPrintable(path));
}

void TestPackage::controlFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("name") << "Package"
                          << "kiravelo";
    QTest::newRow("version from the build") << "Version" << KIRAVELO_VERSION;
    QTest::newRow("section") << "Section"
                             << "education";
}

void TestPackage::controlFields()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QCOMPARE(Field(field), value);
}

void TestPackage::dependencies_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("dependency");
    // Found by dpkg-shlibdeps in the program's libraries.
    QTest::newRow("Qt widgets") << "Depends"
                                << "libqt6widgets6";
    QTest::newRow("C++ runtime") << "Depends"
                                 << "libstdc++6";
    // Only the printing module links it: a package without the module loses this.
    QTest::newRow("printing") << "Depends"
                              << "libqt6printsupport6";
    // Declared by the build: what the program needs beyond its libraries.
    QTest::newRow("interface font") << "Depends"
                                    << "fonts-ipafont-gothic";
    QTest::newRow("the desk's PDF font") << "Depends"
                                         << "fonts-ipafont-mincho";
    QTest::newRow("PDF opener") << "Depends"
                                << "xdg-utils";
    QTest::newRow("the library's SQLite driver") << "Depends"
                                                 << "libqt6sql6-sqlite";
    QTest::newRow("Japanese input under fcitx5") << "Suggests"
                                                 << "fcitx5-frontend-qt6";
}

void TestPackage::dependencies()
{
    QFETCH(QString, field);
    QFETCH(QString, dependency);
    QStringList names;
    for (const QString& entry : Field(field).split(u','))
        names << entry.trimmed().section(u' ', 0, 0);
    QVERIFY2(names.contains(dependency), qPrintable(m_control));
}

void TestPackage::programFindsAndOpensItsDocuments()
{
    // The lookup the installed program makes from its own folder.
    const QString folder =
        DocumentOpener::LocateDocumentFolder(Unpacked(QStringLiteral("usr/bin")));
    QCOMPARE(folder, QDir::cleanPath(Unpacked(QStringLiteral("usr/share/kiravelo"))));
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
            expected << QUrl::fromLocalFile(QDir(folder).filePath(
                QStringLiteral("bunrei_pdf/%1/%2").arg(catalogue.folder, record.pdfName)));
        }
    }
    QCOMPARE(opener.OpenUsageGuide(), DocumentOpener::Result::Opened);
    expected << QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("riyou.pdf")));
    QCOMPARE(opened, expected);
}

void TestPackage::icons_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("48") << 48;
    QTest::newRow("256") << 256;
}

void TestPackage::icons()
{
    QFETCH(int, size);
    const QImage icon(
        Unpacked(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId)));
    QCOMPARE(icon.size(), QSize(size, size));
    // Drawn, not blank: the middle of the sheet is opaque.
    QCOMPARE(icon.pixelColor(size / 3, size / 2).alpha(), 255);
}

void TestPackage::documents_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("usage guide") << QString() << QStringList{QStringLiteral("riyou.pdf")};
    for (const CatalogueData::Catalogue& catalogue : CatalogueData::All()) {
        QStringList names;
        for (const SampleRecord& record : catalogue.records)
            names << record.pdfName;
        names.sort();
        QTest::addRow("%s", qPrintable(catalogue.folder))
            << QStringLiteral("bunrei_pdf/") + catalogue.folder << names;
    }
}

void TestPackage::documents()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, names);
    // Exactly the catalogue's PDFs: none missing, no stale one from a removed sample.
    const QDir dir(QDir(Unpacked(QStringLiteral("usr/share/kiravelo"))).filePath(folder));
    QCOMPARE(dir.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name), names);
    for (const QString& name : names)
        QVERIFY2(QFileInfo(dir.filePath(name)).size() > 0, qPrintable(name));
}

void TestPackage::desktopEntryLaunchesTheProgram()
{
    QFile entry(Unpacked(QStringLiteral("usr/share/applications/%1.desktop").arg(AppId)));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split(u'\n');
    QString exec;
    QString icon;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Exec=")))
            exec = line.mid(5).section(u' ', 0, 0);
        else if (line.startsWith(QStringLiteral("Icon=")))
            icon = line.mid(5);
    }
    // The desktop runs Exec from PATH, where the package puts the program.
    QVERIFY(!exec.isEmpty() && !exec.contains(u'/'));
    QVERIFY(QFileInfo(Unpacked(QStringLiteral("usr/bin/") + exec)).isExecutable());
    QVERIFY(QFileInfo::exists(
        Unpacked(QStringLiteral("usr/share/icons/hicolor/256x256/apps/%1.png").arg(icon))));
}

void TestPackage::entriesValidate_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("desktop entry")
        << "desktop-file-validate" << QStringList()
        << QStringLiteral("usr/share/applications/%1.desktop").arg(AppId);
    QTest::newRow("metainfo") << "appstreamcli"
                              << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
                              << QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(AppId);
}

void TestPackage::entriesValidate()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    QVERIFY2(ExternalTool::Installed(tool),
             qPrintable(tool + QStringLiteral(" is missing: run scripts/install-deps.sh")));
    const ExternalTool validate = ExternalTool::Run(tool, arguments << Unpacked(file));
    QVERIFY2(validate.exitCode == 0, qPrintable(validate.output + validate.errors));
}

void TestPackage::metainfoNamesThisRelease()
{
    QFile metainfo(Unpacked(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(AppId)));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(metainfo.readAll());
    QVERIFY2(xml.contains(QStringLiteral("<release version=\"" KIRAVELO_VERSION "\"")),
             qPrintable(xml));
    QVERIFY(xml.contains(QStringLiteral("<id>%1</id>").arg(AppId)));
    QVERIFY(xml.contains(
        QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(AppId)));
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
