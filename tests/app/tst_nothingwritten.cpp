// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The program writes nothing: a whole session on the real main window runs under
// strace with a fresh, empty home and XDG folders, and no file may be opened for
// writing, created, renamed or removed. The one exception is the font library's own
// cache (fontconfig writes one for a home that has none); it is not the program's.
//
// The program reads no command line and no environment, so nothing from outside can
// script it. This test therefore runs itself a second time under strace, in a mode
// that starts the application exactly as the program's main() does and then plays a
// scripted session on the real window, ending with the exit button.
#include "CMyEdit.h"
#include "CatalogueData.h"
#include "CategoryPage.h"
#include "ChoiceColumn.h"
#include "ClickableLabel.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DocumentOpener.h"
#include "DraftEdit.h"
#include "FieldSelector.h"
#include "Library.h"
#include "MultiLineButton.h"
#include "PagerScrollBar.h"
#include "SamplePage.h"
#include "SlotDraftControls.h"
#include "Typing.h"
#include "WritingDesk.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

const char* SessionVariable = "KIRAVELO_SCRIPTED_SESSION";
const char* DocumentsVariable = "KIRAVELO_SESSION_DOCUMENTS";

// What a user does in a few minutes with the program, through the real widgets.
void PlaySession(Ctavoru_2Dlg& window)
{
    SamplePage* page = window.Page(0);
    FieldSelector* selector = page->findChild<FieldSelector*>();
    for (int faculty : {9, 11, 0}) {
        QTest::mouseClick(selector->Column(), Qt::LeftButton, {},
                          selector->Column()->TextRect(faculty).topLeft() + QPoint(2, 2));
        QApplication::processEvents();
        if (QMenu* menu = selector->OpenMenu()) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
        QApplication::processEvents();
    }
    QTest::mouseClick(selector->Column(), Qt::LeftButton, {},
                      selector->Column()->ArrowRect(0).center());
    QApplication::processEvents();
    if (QMenu* menu = selector->OpenMenu())
        QTest::keyClick(menu, Qt::Key_Escape);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(500, 100));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Up, Qt::Key_Home})
        QTest::keyClick(page->ScrollBar(), key);
    QWheelEvent wheel(QPointF(10, 10), page->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(page, &wheel);
    QTest::mouseDClick(page->TopSlot()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyClick(page->TopSlot(), Qt::Key_C, Qt::ControlModifier);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace})
        QTest::keyClick(page->TopSlot(), key);
    // The documents are there, so these go all the way to the desktop's opener.
    QTest::mouseClick(page->TopButton(), Qt::LeftButton);
    QTest::mouseClick(page->BottomButton(), Qt::LeftButton);
    QTest::mouseClick(window.GuideLink(), Qt::LeftButton, {}, QPoint(5, 5));
    for (int tab : {1, 2, 3, 4, 0}) {
        QTest::mouseClick(window.TabBar(), Qt::LeftButton, {},
                          window.TabBar()->tabRect(tab).center());
        QApplication::processEvents();
    }
    QTest::mouseClick(window.ExitButton(), Qt::LeftButton);
}

// A draft gathered, edited and copied, then the window closed: nothing is saved unasked.
void PlayDeskSession(Ctavoru_2Dlg& window, bool* asked)
{
    window.SetExitQuestion([asked](QWidget*) {
        *asked = true;
        return ExitQuestion::Choice::Discard;
    });
    auto* page = qobject_cast<CategoryPage*>(window.Page(0));
    page->Choose(0);
    WritingDesk* desk = window.Desk();
    QTest::mouseClick(page->TopDraftControls()->AddButton(), Qt::LeftButton);
    QTest::mouseClick(window.TabBar(), Qt::LeftButton, {}, window.TabBar()->tabRect(1).center());
    QTest::mouseClick(window.TabBar(), Qt::LeftButton, {}, window.TabBar()->tabRect(0).center());
    QTest::mouseClick(page->BottomDraftControls()->AddButton(), Qt::LeftButton);
    Type(desk->Draft(), QStringLiteral("本校○○年の"));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Escape})
        QTest::keyClick(desk->Draft(), key);
    QTest::keyClick(desk->Draft(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(desk->Draft(), Qt::Key_Y, Qt::ControlModifier);
    QTest::mouseClick(desk->NextMarkButton(), Qt::LeftButton);
    desk->LimitChooser()->setCurrentIndex(3);
    QTest::mouseClick(desk->CopyButton(), Qt::LeftButton);
    QTest::mouseClick(window.ExitButton(), Qt::LeftButton);
}

// The child: main() of the program, with the session played inside its event loop.
int RunSession(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kiravelo"));
    QApplication::setApplicationDisplayName(QStringLiteral("KiraveloVer2"));
    QApplication::setApplicationVersion(QStringLiteral(KIRAVELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kiravelo"));

    Ctavoru_2Dlg window;
    window.Documents().SetDocumentFolder(qEnvironmentVariable(DocumentsVariable));
    bool asked = false;
    const bool desk = qEnvironmentVariable(SessionVariable) == QStringLiteral("desk");
    QTimer::singleShot(0, &window, [&window, desk, &asked] {
        if (desk)
            PlayDeskSession(window, &asked);
        else
            PlaySession(window);
    });
    if (window.exec() != QDialog::Accepted)
        return 3;
    return asked ? 4 : 0; // a copied draft is no reason to ask
}

struct Write
{
    QString call;
    QString path;
};

// Every successful call in the trace that wrote to the file system, with its path.
QList<Write> Writes(const QString& line)
{
    static const QRegularExpression callPattern(
        QStringLiteral("^(\\w+)\\((.*)\\)\\s+=\\s+(-?\\d+|\\?)"));
    static const QRegularExpression pathPattern(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression writeFlags(
        QStringLiteral("O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND"));
    const QRegularExpressionMatch call = callPattern.match(line);
    if (!call.hasMatch())
        return {};
    // A call that failed opened or created nothing (Qt checks that its runtime
    // folder exists by trying to make it).
    if (call.captured(3).startsWith(u'-'))
        return {};
    const QString name = call.captured(1);
    const QString arguments = call.captured(2);
    if (name.startsWith(QLatin1String("open")) && !writeFlags.match(arguments).hasMatch())
        return {};
    QList<Write> writes;
    for (auto it = pathPattern.globalMatch(arguments); it.hasNext();)
        writes << Write{name, it.next().captured(1)};
    if (writes.isEmpty())
        writes << Write{name, QString()};
    return writes;
}

QStringList Contents(const QString& folder)
{
    QStringList found;
    for (QDirIterator it(folder,
                         QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        found << it.next();
    return found;
}

} // namespace

class TestNothingWritten : public QObject
{
    Q_OBJECT
private slots:
    void traceParsing_data();
    void traceParsing();
    void sessionWritesNothing_data();
    void sessionWritesNothing();
};

void TestNothingWritten::traceParsing_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("written");
    QTest::newRow("read") << "openat(AT_FDCWD, \"/usr/share/fonts/a.ttf\", O_RDONLY|O_CLOEXEC) = 5"
                          << "";
    QTest::newRow("write")
        << "openat(AT_FDCWD, \"/h/.config/x.conf\", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 7"
        << "/h/.config/x.conf";
    QTest::newRow("read-write") << "openat(AT_FDCWD, \"/h/a\", O_RDWR) = 4"
                                << "/h/a";
    QTest::newRow("failed") << "mkdir(\"/run/x\", 0700) = -1 EEXIST (File exists)"
                            << "";
    QTest::newRow("mkdir") << "mkdir(\"/h/.local/share/kiravelo\", 0700) = 0"
                           << "/h/.local/share/kiravelo";
    QTest::newRow("rename") << "rename(\"/h/a.tmp\", \"/h/a\") = 0"
                            << "/h/a.tmp";
    QTest::newRow("not a call") << "+++ exited with 0 +++"
                                << "";
}

void TestNothingWritten::traceParsing()
{
    QFETCH(QString, line);
    QFETCH(QString, written);
    const QList<Write> writes = Writes(line);
    QCOMPARE(writes.isEmpty() ? QString() : writes.first().path, written);
}

void TestNothingWritten::sessionWritesNothing_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("library"); // the user has kept something before
    for (bool library : {false, true}) {
        const QString over = library ? QStringLiteral(" over a library") : QString();
        QTest::newRow(qPrintable(u"browsing"_qs + over)) << QStringLiteral("browse") << library;
        QTest::newRow(qPrintable(u"writing desk"_qs + over)) << QStringLiteral("desk") << library;
    }
}

void TestNothingWritten::sessionWritesNothing()
{
    QFETCH(QString, script);
    QFETCH(bool, library);
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    QVERIFY2(!strace.isEmpty(), "strace is not installed (scripts/install-deps.sh installs it)");

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString home = root.filePath(QStringLiteral("home"));
    const QStringList folders = {home,
                                 root.filePath(QStringLiteral("config")),
                                 root.filePath(QStringLiteral("data")),
                                 root.filePath(QStringLiteral("cache")),
                                 root.filePath(QStringLiteral("state")),
                                 root.filePath(QStringLiteral("runtime")),
                                 root.filePath(QStringLiteral("cwd"))};
    for (const QString& folder : folders)
        QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folders.at(5),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString fontCache = root.filePath(QStringLiteral("cache/fontconfig"));
    if (library) {
        // Kept in an earlier run: a star and an own sample, where the program looks.
        Library kept(folders.at(2) + QStringLiteral("/kiravelo/library.sqlite"));
        QVERIFY(kept.SetStarred(
            CatalogueData::ForFolder(QStringLiteral("koumoku1")).records.first().pdfName, true));
        QVERIFY(kept.AddSample(QStringLiteral("題"), QStringLiteral("本文"), QString()));
    }
    QList<QStringList> before;
    for (const QString& folder : folders)
        before << Contents(folder);

    // The documents exist, so the buttons reach the desktop's opener.
    const QString documents = root.filePath(QStringLiteral("documents"));
    QVERIFY(QDir().mkpath(documents + QStringLiteral("/bunrei_pdf/koumoku1")));
    QStringList names{QStringLiteral("riyou.pdf")};
    for (const SampleRecord& record : CatalogueData::ForFolder(QStringLiteral("koumoku1")).records)
        names << QStringLiteral("bunrei_pdf/koumoku1/") + record.pdfName;
    for (const QString& name : names) {
        QFile file(documents + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    // A fresh environment: only what finds programs and libraries, the locale and the
    // sanitizers' settings come along.
    QProcessEnvironment environment;
    const QProcessEnvironment outer = QProcessEnvironment::systemEnvironment();
    for (const QString& keep : {QStringLiteral("PATH"), QStringLiteral("LANG"),
                                QStringLiteral("LC_ALL"), QStringLiteral("ASAN_OPTIONS"),
                                QStringLiteral("UBSAN_OPTIONS"), QStringLiteral("LSAN_OPTIONS")}) {
        if (outer.contains(keep))
            environment.insert(keep, outer.value(keep));
    }
    // The leak checker cannot work under a tracer; the suite checks leaks elsewhere.
    if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) +
                               QStringLiteral(":detect_leaks=0"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folders.at(1));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folders.at(2));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folders.at(3));
    environment.insert(QStringLiteral("XDG_STATE_HOME"), folders.at(4));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folders.at(5));
    environment.insert(QString::fromLatin1(SessionVariable), script);
    environment.insert(QString::fromLatin1(DocumentsVariable), documents);

    const QString trace = root.filePath(QStringLiteral("trace"));
    QVERIFY(QDir().mkpath(trace));
    QProcess session;
    session.setProcessEnvironment(environment);
    session.setWorkingDirectory(folders.at(6));
    session.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    session.start(strace,
                  {QStringLiteral("-f"), QStringLiteral("-ff"), QStringLiteral("-qq"),
                   QStringLiteral("-o"), trace + QStringLiteral("/call"), QStringLiteral("-e"),
                   QStringLiteral("trace=open,openat,openat2,creat,mkdir,mkdirat,mknod,mknodat,"
                                  "rename,renameat,renameat2,link,linkat,symlink,symlinkat,"
                                  "unlink,unlinkat,rmdir,truncate"),
                   QStringLiteral("--"), QCoreApplication::applicationFilePath()});
    QVERIFY2(session.waitForFinished(300000), "the session did not end");
    QCOMPARE(session.exitStatus(), QProcess::NormalExit);
    QCOMPARE(session.exitCode(), 0);

    QStringList faults;
    int calls = 0;
    for (const QFileInfo& file : QDir(trace).entryInfoList(QDir::Files)) {
        QFile log(file.filePath());
        QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!log.atEnd()) {
            const QString line = QString::fromUtf8(log.readLine()).trimmed();
            ++calls;
            for (const Write& write : Writes(line)) {
                const QString path =
                    QDir::cleanPath(QDir(folders.at(6)).absoluteFilePath(write.path));
                if (path == fontCache || path.startsWith(fontCache + u'/'))
                    continue;
                faults << line;
            }
        }
    }
    // The trace has to show the session at work, or an empty trace would pass.
    QVERIFY2(calls > 100, qPrintable(QString::number(calls)));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

    for (qsizetype i = 0; i < folders.size(); ++i) {
        QStringList left = Contents(folders.at(i));
        left.removeIf([&fontCache](const QString& path) {
            return path == fontCache || path.startsWith(fontCache + u'/');
        });
        QCOMPARE(left, before.at(i));
    }
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(SessionVariable))
        return RunSession(argc, argv);
    QCoreApplication app(argc, argv);
    TestNothingWritten test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_nothingwritten.moc"
