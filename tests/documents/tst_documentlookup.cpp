// Where the program looks for its documents, from the folder of its executable: the
// build tree keeps them beside it, an installed prefix in its data folder.
#include "DocumentOpener.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDocumentLookup : public QObject
{
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
};

void TestDocumentLookup::locate_data()
{
    // Paths below a scratch root; "bin" is the executable's folder.
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");

    const QString installed = QStringLiteral("share/kiravelo");
    QTest::newRow("build tree") << QStringList{QStringLiteral("bin/bunrei_pdf/koumoku1")}
                                << QStringList{QStringLiteral("bin/riyou.pdf")}
                                << QStringLiteral("bin");
    QTest::newRow("build tree, samples only")
        << QStringList{QStringLiteral("bin/bunrei_pdf")} << QStringList{} << QStringLiteral("bin");
    QTest::newRow("build tree, guide only")
        << QStringList{QStringLiteral("bin")} << QStringList{QStringLiteral("bin/riyou.pdf")}
        << QStringLiteral("bin");
    QTest::newRow("installed") << QStringList{QStringLiteral("bin"),
                                              installed + QStringLiteral("/bunrei_pdf")}
                               << QStringList{installed + QStringLiteral("/riyou.pdf")}
                               << installed;
    QTest::newRow("documents beside win over installed ones")
        << QStringList{QStringLiteral("bin/bunrei_pdf"), installed} << QStringList{}
        << QStringLiteral("bin");
    QTest::newRow("none anywhere: beside, where the opener reports them missing")
        << QStringList{QStringLiteral("bin")} << QStringList{} << QStringLiteral("bin");
    QTest::newRow("a file where the data folder would be")
        << QStringList{QStringLiteral("bin"), QStringLiteral("share")}
        << QStringList{QStringLiteral("share/kiravelo")} << QStringLiteral("bin");
}

void TestDocumentLookup::locate()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const QString& folder : folders)
        QVERIFY(QDir(root.path()).mkpath(folder));
    for (const QString& file : files) {
        QFile f(root.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(DocumentOpener::LocateDocumentFolder(root.filePath(QStringLiteral("bin"))),
             QDir::cleanPath(root.filePath(expected)));
}

QTEST_GUILESS_MAIN(TestDocumentLookup)
#include "tst_documentlookup.moc"
