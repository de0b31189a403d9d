// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The typeset documents the build puts beside the program: one PDF for every sample,
// found where the opener looks, holding its sample's text in embedded fonts; and the
// usage guide with its pictures.
#include "CatalogueData.h"
#include "DocumentOpener.h"
#include "ExternalTool.h"
#include "FieldTable.h"
#include "PageIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

Q_DECLARE_METATYPE(SampleRecord)

namespace {

// Text as a PDF gives it back: line breaks, indents and spacing are the typesetter's.
QString Squeezed(const QString& text)
{
    QString out;
    for (QChar c : text) {
        if (!c.isSpace())
            out += c;
    }
    return out;
}

QString PdfText(const QString& path)
{
    const ExternalTool run = ExternalTool::Run(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    return run.exitCode == 0 ? run.output : QString();
}

// Font names of `path` that are not embedded; "<none>" when pdffonts lists no font.
QStringList UnembeddedFonts(const QString& path)
{
    const ExternalTool run = ExternalTool::Run(QStringLiteral("pdffonts"), {path});
    const QStringList lines = run.output.split(u'\n', Qt::SkipEmptyParts);
    if (run.exitCode != 0 || lines.size() < 3)
        return {QStringLiteral("<none>")};
    const qsizetype column = lines.at(0).indexOf(QStringLiteral("emb"));
    QStringList missing;
    for (const QString& row : lines.mid(2)) {
        if (row.mid(column, 3) != QStringLiteral("yes"))
            missing << row.section(u' ', 0, 0);
    }
    return missing;
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void foundBesideTheBuiltProgram();
    void everySample_data();
    void everySample();
    void onlyCurrentSamples_data();
    void onlyCurrentSamples();
    void usageGuide();

private:
    QString m_folder;
    DocumentOpener m_opener;
};

void TestDocuments::initTestCase()
{
    for (const char* tool : {"pdftotext", "pdffonts", "pdfimages"}) {
        QVERIFY2(ExternalTool::Installed(QString::fromLatin1(tool)),
                 qPrintable(QStringLiteral("%1 is missing: run scripts/install-deps.sh")
                                .arg(QString::fromLatin1(tool))));
    }
    // The folder the program in build/bin settles on; this test runs elsewhere.
    m_folder = DocumentOpener::LocateDocumentFolder(QStringLiteral(KIRAVELO_BINARY_DIR "/bin"));
    m_opener.SetDocumentFolder(m_folder);
}

void TestDocuments::foundBesideTheBuiltProgram()
{
    QCOMPARE(m_folder, QDir::cleanPath(QStringLiteral(KIRAVELO_BINARY_DIR "/bin")));
}

void TestDocuments::everySample_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<SampleRecord>("record");
    for (const CatalogueData::Catalogue& catalogue : CatalogueData::All()) {
        for (const SampleRecord& record : catalogue.records)
            QTest::addRow("%s/%s", qPrintable(catalogue.folder), qPrintable(record.pdfName))
                << catalogue.folder << record;
    }
}

void TestDocuments::everySample()
{
    QFETCH(QString, folder);
    QFETCH(SampleRecord, record);
    const QString path = m_opener.SampleDocumentPath(folder, record.pdfName);
    QVERIFY(QFileInfo(path).isFile());

    const QString text = PdfText(path);
    QVERIFY2(Squeezed(text).contains(Squeezed(record.text)), qPrintable(text));
    QVERIFY(text.contains(record.pdfName));
    // Where the page numbers its samples, the document carries the same number.
    if (PageIdentity::ForFolder(folder).numbered) {
        const qsizetype place = CatalogueData::ForFolder(folder).records.indexOf(record);
        QVERIFY(text.contains(QStringLiteral("No.%1\n").arg(place + 1)));
    }
    // The heading names the fields the sample is filed under, as the page captions them.
    if (folder == QStringLiteral("koumoku1") || folder == QStringLiteral("gakubu")) {
        for (int i = 0; i < record.mask.size(); ++i) {
            if (record.mask.at(i) == u'1')
                QVERIFY2(Squeezed(text).contains(Squeezed(FieldTable::Caption(i))),
                         qPrintable(FieldTable::Caption(i)));
        }
    }
    for (const QString& line : text.split(u'\n')) {
        const QString start = line.trimmed().left(1);
        QVERIFY2(start != QStringLiteral("。") && start != QStringLiteral("、"), qPrintable(line));
    }
    QCOMPARE(UnembeddedFonts(path), QStringList());
}

void TestDocuments::onlyCurrentSamples_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("names");
    for (const CatalogueData::Catalogue& catalogue : CatalogueData::All()) {
        QStringList names;
        for (const SampleRecord& record : catalogue.records)
            names << record.pdfName;
        names.sort();
        QTest::newRow(qPrintable(catalogue.folder)) << catalogue.folder << names;
    }
}

// A record that was renamed or removed leaves no PDF behind to be installed.
void TestDocuments::onlyCurrentSamples()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, names);
    const QDir dir(QDir(m_folder).filePath(QStringLiteral("bunrei_pdf/") + folder));
    QVERIFY(dir.exists());
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), names);
}

void TestDocuments::usageGuide()
{
    const QString path = m_opener.UsageGuidePath();
    QVERIFY(QFileInfo(path).isFile());

    const QString text = Squeezed(PdfText(path));
    for (const QString& caption :
         {QStringLiteral("項目別推薦文(推薦・志望理由)　"),
          QStringLiteral("項目別推薦文(学業／人物／課外活動)　"), QStringLiteral("学部別推薦文　"),
          QStringLiteral("自己推薦文　")})
        QVERIFY2(text.contains(Squeezed(caption)), qPrintable(caption));

    // One picture of the window for each tab at least.
    const ExternalTool images =
        ExternalTool::Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    QCOMPARE(images.exitCode, 0);
    const qsizetype pictures = images.output.split(u'\n', Qt::SkipEmptyParts).size() - 2;
    QVERIFY2(pictures >= 4, qPrintable(images.output));
    QCOMPARE(UnembeddedFonts(path), QStringList());

    // The About line closes the guide: its last page names the release and the licences.
    QStringList pages = PdfText(path).split(u'\f');
    while (!pages.isEmpty() && Squeezed(pages.last()).isEmpty())
        pages.removeLast();
    QVERIFY(!pages.isEmpty());
    const QString last = Squeezed(pages.last());
    for (const QString& about :
         {QStringLiteral("バージョン" KIRAVELO_VERSION), QStringLiteral("GPL-3.0-or-later"),
          QStringLiteral("CC0-1.0"), QStringLiteral("io.github.kiravelo.Kiravelo")})
        QVERIFY2(last.contains(about), qPrintable(about));
}

QTEST_GUILESS_MAIN(TestDocuments)
#include "tst_documents.moc"
