// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftEdit.h"
#include "ExternalTool.h"
#include "Typing.h"
#include "WritingDesk.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestWritingDesk : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addJoinsAndSelectsFirstMark_data();
    void addJoinsAndSelectsFirstMark();
    void limitStatus_data();
    void limitStatus();
    void nextMarkInOrderAndWraps();
    void undoRedo_data();
    void undoRedo();
    void copyPutsExactText();
    void saveWritesTheDraft_data();
    void saveWritesTheDraft();
    void failedSaveReportsAndKeepsTheDraftUnsaved_data();
    void failedSaveReportsAndKeepsTheDraftUnsaved();
    void largePasteCountsExactly();

private:
    QString Selected() const { return m_desk->Draft()->textCursor().selectedText(); }

    WritingDesk* m_desk = nullptr;
};

void TestWritingDesk::init()
{
    m_desk = new WritingDesk;
    m_desk->show();
    m_desk->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_desk));
}

void TestWritingDesk::cleanup()
{
    delete m_desk;
    m_desk = nullptr;
}

void TestWritingDesk::addJoinsAndSelectsFirstMark_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("selectionStart");
    QTest::newRow("one sample, paragraphs kept")
        << QStringList{QStringLiteral("一行目\r\n二行目")} << QStringLiteral("一行目\n二行目")
        << QString() << -1;
    QTest::newRow("a mark in the second sample, not the first")
        << QStringList{QStringLiteral("○は前"), QStringLiteral("後の○○年")}
        << QStringLiteral("○は前\n後の○○年") << QStringLiteral("○○") << 6;
    QTest::newRow("three in order")
        << QStringList{QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")}
        << QStringLiteral("甲\n乙\n丙") << QString() << -1;
}

void TestWritingDesk::addJoinsAndSelectsFirstMark()
{
    QFETCH(QStringList, samples);
    QFETCH(QString, draft);
    QFETCH(QString, selected);
    QFETCH(int, selectionStart);
    for (const QString& sample : samples)
        m_desk->Add(sample);
    QCOMPARE(m_desk->Draft()->toPlainText(), draft);
    QCOMPARE(Selected(), selected);
    const QTextCursor cursor = m_desk->Draft()->textCursor();
    QCOMPARE(cursor.selectionStart(), selectionStart >= 0 ? selectionStart : int(draft.size()));
    QVERIFY(m_desk->Draft()->hasFocus());
    // Typing replaces the selected mark.
    Type(m_desk->Draft(), QStringLiteral("X"));
    QCOMPARE(m_desk->Draft()->toPlainText().count(u'X'), 1);
    QCOMPARE(m_desk->Draft()->toPlainText().size(),
             draft.size() - (selected.isEmpty() ? 0 : selected.size()) + 1);
}

void TestWritingDesk::limitStatus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("red");
    QTest::addColumn<int>("tintFrom"); // -1: nothing tinted
    QTest::newRow("250 in 200") << QString(250, u'字') << 200
                                << QStringLiteral("250 字 ／ 200 字（50 字超過）") << true << 200;
    QTest::newRow("fits") << QString(120, u'字') << 200
                          << QStringLiteral("120 字 ／ 200 字（残り 80 字）") << false << -1;
    QTest::newRow("no limit") << QString(2000, u'字') << 0 << QStringLiteral("2000 字") << false
                              << -1;
    QTest::newRow("empty draft with a limit")
        << QString() << 1200 << QStringLiteral("0 字 ／ 1200 字（残り 1200 字）") << false << -1;
}

void TestWritingDesk::limitStatus()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, status);
    QFETCH(bool, red);
    QFETCH(int, tintFrom);
    m_desk->Add(text);
    QComboBox* chooser = m_desk->LimitChooser();
    chooser->setCurrentIndex(chooser->findData(limit));
    QCOMPARE(m_desk->CountLabel()->text(), status);
    QCOMPARE(m_desk->CountLabel()->accessibleName(), QStringLiteral("下書きの字数 ") + status);
    const QColor ink = m_desk->CountLabel()->palette().color(QPalette::WindowText);
    QCOMPARE(ink == QColor(204, 0, 0), red);
    int tinted = -1;
    for (const QTextEdit::ExtraSelection& selection : m_desk->Draft()->extraSelections()) {
        if (selection.format.background().color() == QColor(255, 214, 214)) {
            tinted = selection.cursor.selectionStart();
            QCOMPARE(selection.cursor.selectionEnd(), int(text.size()));
        }
    }
    QCOMPARE(tinted, tintFrom);
}

void TestWritingDesk::nextMarkInOrderAndWraps()
{
    QPushButton* next = m_desk->NextMarkButton();
    // Nothing to find in an empty draft, and nothing breaks.
    next->click();
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("○ はもう残っていません"));
    QCOMPARE(m_desk->Draft()->toPlainText(), QString());

    m_desk->Add(QStringLiteral("○○は\n○月の○○○。"));
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("○ 残り 3 か所"));
    const auto start = [this] { return m_desk->Draft()->textCursor().selectionStart(); };
    QCOMPARE(start(), 0);
    next->click();
    QCOMPARE(start(), 4);
    // The key does what the button does (a shortcut clicks the button a moment later).
    QTest::keyClick(m_desk->Draft(), Qt::Key_F3);
    QTRY_COMPARE(start(), 7);
    next->click();
    QCOMPARE(start(), 0);
    QCOMPARE(Selected(), QStringLiteral("○○"));

    // Filled in one by one until none is left.
    for (const QString& word :
         {QStringLiteral("私"), QStringLiteral("四"), QStringLiteral("誓い")}) {
        Type(m_desk->Draft(), word);
        next->click();
    }
    QCOMPARE(m_desk->Draft()->toPlainText(), QStringLiteral("私は\n四月の誓い。"));
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("○ はもう残っていません"));
}

void TestWritingDesk::undoRedo_data()
{
    QTest::addColumn<QString>("redoKey");
    QTest::newRow("Ctrl+Shift+Z") << QStringLiteral("Ctrl+Shift+Z");
    QTest::newRow("Ctrl+Y") << QStringLiteral("Ctrl+Y");
}

void TestWritingDesk::undoRedo()
{
    QFETCH(QString, redoKey);
    const QKeySequence redo(redoKey);
    DraftEdit* draft = m_desk->Draft();
    m_desk->Add(QStringLiteral("一\r\n二"));
    Type(draft, QStringLiteral("三"));
    m_desk->ClearButton()->click();
    QCOMPARE(draft->toPlainText(), QString());
    const QStringList states{QStringLiteral("一\n二三"), QStringLiteral("一\n二"), QString()};
    for (const QString& state : states) {
        QTest::keyClick(draft, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(draft->toPlainText(), state);
        QCOMPARE(m_desk->CountLabel()->text(),
                 QStringLiteral("%1 字").arg(state.size() - state.count(u'\n')));
    }
    for (qsizetype i = states.size() - 2; i >= 0; --i) {
        QTest::keySequence(draft, redo);
        QCOMPARE(draft->toPlainText(), states.at(i));
    }
    QTest::keySequence(draft, redo);
    QCOMPARE(draft->toPlainText(), QString());
}

void TestWritingDesk::copyPutsExactText()
{
    m_desk->Add(QStringLiteral("𠮷田です。\r\n\u3000よろしく"));
    QVERIFY(m_desk->HasUnsavedText());
    m_desk->CopyButton()->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("𠮷田です。\n\u3000よろしく"));
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("コピーしました（10 字）"));
    QVERIFY(!m_desk->HasUnsavedText());
    Type(m_desk->Draft(), QStringLiteral("。"));
    QVERIFY(m_desk->HasUnsavedText());
    // Undone to what was copied, it is as copied again.
    QTest::keyClick(m_desk->Draft(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!m_desk->HasUnsavedText());
}

void TestWritingDesk::saveWritesTheDraft_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("text") << QStringLiteral("下書き.txt");
    QTest::newRow("PDF") << QStringLiteral("下書き.PDF");
}

void TestWritingDesk::saveWritesTheDraft()
{
    QFETCH(QString, file);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    const QString text =
        QStringLiteral("志望理由\n\u3000私は吉野で育ち、地域の医療に関心を持った。");
    m_desk->Add(text);
    m_desk->SetFileChooser([path](QWidget*) { return path; });
    QVERIFY(m_desk->Save());
    QVERIFY(!m_desk->HasUnsavedText());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    if (!file.endsWith(QStringLiteral(".PDF"))) {
        QCOMPARE(bytes, text.toUtf8());
        return;
    }
    QVERIFY(bytes.startsWith("%PDF-"));
    if (!ExternalTool::Installed(QStringLiteral("pdftotext")))
        QSKIP("pdftotext is not installed");
    const ExternalTool run = ExternalTool::Run(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    QCOMPARE(run.exitCode, 0);
    const auto visible = [](const QString& value) {
        QString out;
        for (QChar c : value) {
            if (!c.isSpace())
                out += c;
        }
        return out;
    };
    const QString extracted = visible(run.output);
    QVERIFY2(extracted.contains(visible(text)), qPrintable(extracted));
    QVERIFY(extracted.contains(QStringLiteral("26字")));
}

void TestWritingDesk::failedSaveReportsAndKeepsTheDraftUnsaved_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("folder that does not exist") << false;
    QTest::newRow("read-only folder with an earlier file") << true;
}

void TestWritingDesk::failedSaveReportsAndKeepsTheDraftUnsaved()
{
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("missing/下書き.txt"));
    if (readOnlyFolder) {
        path = folder.filePath(QStringLiteral("下書き.txt"));
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
        earlier.close();
        QVERIFY(
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile probe(folder.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
    }
    m_desk->Add(QStringLiteral("大切な下書き"));
    m_desk->SetFileChooser([path](QWidget*) { return path; });
    QSignalSpy failed(m_desk, &WritingDesk::SaveFailed);
    QVERIFY(!m_desk->Save());
    QCOMPARE(failed.size(), 1);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QVERIFY(m_desk->HasUnsavedText());
    QCOMPARE(m_desk->Draft()->toPlainText(), QStringLiteral("大切な下書き"));
    if (readOnlyFolder) {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
    }
}

void TestWritingDesk::largePasteCountsExactly()
{
    // 100,000 characters, a tenth of them outside the BMP, in lines of 100.
    QString text;
    for (int i = 0; i < 100000; ++i) {
        text += i % 10 == 0 ? QStringLiteral("𠮷") : QStringLiteral("あ");
        if (i % 100 == 99)
            text += u'\n';
    }
    m_desk->Draft()->insertPlainText(text);
    QCOMPARE(m_desk->CountLabel()->text(), QStringLiteral("100000 字"));
    m_desk->LimitChooser()->setCurrentIndex(m_desk->LimitChooser()->findData(1200));
    QCOMPARE(m_desk->CountLabel()->text(), QStringLiteral("100000 字 ／ 1200 字（98800 字超過）"));
    Type(m_desk->Draft(), QStringLiteral("い"));
    QCOMPARE(m_desk->CountLabel()->text(), QStringLiteral("100001 字 ／ 1200 字（98801 字超過）"));

    // Marks far from the view are highlighted once scrolled to.
    const auto marked = [this](int position) {
        for (const QTextEdit::ExtraSelection& selection : m_desk->Draft()->extraSelections()) {
            if (selection.cursor.selectionStart() == position &&
                selection.format.foreground().color() == QColor(204, 0, 0))
                return true;
        }
        return false;
    };
    m_desk->Draft()->moveCursor(QTextCursor::Start);
    Type(m_desk->Draft(), QStringLiteral("○"));
    m_desk->Draft()->moveCursor(QTextCursor::End);
    Type(m_desk->Draft(), QStringLiteral("○"));
    const int last = int(m_desk->Draft()->toPlainText().size()) - 1;
    QVERIFY(marked(last));
    QVERIFY(!marked(0));
    m_desk->Draft()->verticalScrollBar()->setValue(0);
    QVERIFY(marked(0));
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("○ 残り 2 か所"));
}

QTEST_MAIN(TestWritingDesk)
#include "tst_writingdesk.moc"
