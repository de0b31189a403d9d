// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftEdit.h"
#include "DraftPrinter.h"
#include "ExternalTool.h"
#include "GridSizeDialog.h"
#include "Highlight.h"
#include "ManuscriptView.h"
#include "Typing.h"
#include "WritingDesk.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    void gridStatusViewAndPdf_data();
    void gridStatusViewAndPdf();
    void ownGridOutOfBoundsRefused_data();
    void ownGridOutOfBoundsRefused();
    void nextMarkInOrderAndWraps();
    void undoRedo_data();
    void undoRedo();
    void copyPutsExactText();
    void unsavedFollowsTheText_data();
    void unsavedFollowsTheText();
    void saveDialogAsksAboutTheNameWritten_data();
    void saveDialogAsksAboutTheNameWritten();
    void saveWritesThePdf();
    void failedSaveReportsAndKeepsTheDraftUnsaved_data();
    void failedSaveReportsAndKeepsTheDraftUnsaved();
    void printingWithoutItsModuleFails_data();
    void printingWithoutItsModuleFails();
    void draftFaceComesWithTextOrFocus_data();
    void draftFaceComesWithTextOrFocus();
    void largePasteCountsExactly();
    void missingPdfFontIsReported();

private:
    void CheckStatus(const QString& text, const QString& status, bool red, int tintFrom) const;
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
    DraftPrinter::SetModuleFolders({});
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
    QTest::newRow("a phrase to check is selected like marks")
        << QStringList{QStringLiteral("貴学の〔演習の名称〕と○年")}
        << QStringLiteral("貴学の〔演習の名称〕と○年") << QStringLiteral("〔演習の名称〕") << 3;
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
    CheckStatus(text, status, red, tintFrom);
}

void TestWritingDesk::CheckStatus(const QString& text, const QString& status, bool red,
                                  int tintFrom) const
{
    QCOMPARE(m_desk->CountLabel()->text(), status);
    QCOMPARE(m_desk->CountLabel()->accessibleName(), QStringLiteral("下書きの字数 ") + status);
    const QColor ink = m_desk->CountLabel()->palette().color(QPalette::WindowText);
    QCOMPARE(ink == Highlight::Warning, red);
    int tinted = -1;
    for (const QTextEdit::ExtraSelection& selection : m_desk->Draft()->extraSelections()) {
        if (selection.format.background().color() == Highlight::OverLimitBackground) {
            tinted = selection.cursor.selectionStart();
            QCOMPARE(selection.cursor.selectionEnd(), int(text.size()));
        }
    }
    QCOMPARE(tinted, tintFrom);
}

void TestWritingDesk::gridStatusViewAndPdf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entry"); // in the limit chooser
    QTest::addColumn<QSize>("own"); // answered to 字数×行数を指定…; invalid: cancelled
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("tintFrom");
    QTest::addColumn<int>("sheets"); // in the grid view
    const QString sheet = QStringLiteral("400字詰め（20字×20行）");
    const auto lines = [](int count, const QString& line) {
        return QStringList(count, line).join(u'\n');
    };
    QTest::newRow("indented paragraphs, 2 lines left")
        << lines(18, QStringLiteral("\u3000九字で書いた段落。")) << sheet << QSize()
        << QStringLiteral("180 字 ／ 18 行（20 行中、残り 2 行）") << -1 << 1;
    QTest::newRow("46 字 need 23 lines")
        << lines(23, QStringLiteral("二字")) << sheet << QSize()
        << QStringLiteral("46 字 ／ 23 行（20 行中、3 行超過）") << 60 << 2;
    QTest::newRow("hung 。 keep 210 字 in 200 squares")
        << QString(20, u'字').append(u'。').repeated(10) << QStringLiteral("200字詰め（20字×10行）")
        << QSize() << QStringLiteral("210 字 ／ 10 行（10 行中、残り 0 行）") << -1 << 1;
    QTest::newRow("two sheets") << lines(41, QStringLiteral("行"))
                                << QStringLiteral("400字詰め 2枚（20字×40行）") << QSize()
                                << QStringLiteral("41 字 ／ 41 行（40 行中、1 行超過）") << 80 << 3;
    QTest::newRow("a form's own grid")
        << QString(201, u'字') << QStringLiteral("字数×行数を指定…") << QSize(40, 5)
        << QStringLiteral("201 字 ／ 6 行（5 行中、1 行超過）") << 200 << 2;
    QTest::newRow("own grid cancelled: no limit, the view on 20 × 20")
        << QStringLiteral("五字の下書") << QStringLiteral("字数×行数を指定…") << QSize()
        << QStringLiteral("5 字") << -1 << 1;
}

void TestWritingDesk::gridStatusViewAndPdf()
{
    QFETCH(QString, text);
    QFETCH(QString, entry);
    QFETCH(QSize, own);
    QFETCH(QString, status);
    QFETCH(int, tintFrom);
    m_desk->SetGridAsker([own](QWidget*, QSize) -> std::optional<QSize> {
        return own.isValid() ? std::optional(own) : std::nullopt;
    });
    m_desk->Add(text);
    QComboBox* chooser = m_desk->LimitChooser();
    chooser->setCurrentIndex(chooser->findText(entry));
    CheckStatus(text, status, tintFrom >= 0, tintFrom);
    if (own.isValid()) // kept in the chooser for the session
        QCOMPARE(chooser->currentText(),
                 QStringLiteral("%1字×%2行").arg(own.width()).arg(own.height()));
    else if (entry.endsWith(u'…'))
        QCOMPARE(chooser->currentIndex(), 0);

    // The view, from 「その他 ▾」, lays the draft out as the count does and follows it.
    m_desk->GridAction()->trigger();
    ManuscriptView* view = m_desk->GridView();
    QVERIFY(view && view->isVisible() && view->isWindow());
    QFETCH(int, sheets);
    QCOMPARE(view->Sheet().Sheets(), sheets);
    const int used = view->Sheet().Lines();
    if (status.contains(u'行'))
        QCOMPARE(view->Status(), status);
    QTest::keyClick(m_desk->Draft(), Qt::Key_Return);
    Type(m_desk->Draft(), QStringLiteral("あ"));
    QTRY_COMPARE(view->Sheet().Lines(), used + 1);
    m_desk->Draft()->undo();
    m_desk->Draft()->undo();

    // Saved as PDF and printed (Ctrl+P, to a file): on the grid, every character of the
    // draft and nothing else but each sheet's foot.
    if (!ExternalTool::Installed(QStringLiteral("pdftotext")))
        QSKIP("pdftotext is not installed");
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("下書き.pdf"));
    const QString printed = folder.filePath(QStringLiteral("印刷.pdf"));
    m_desk->File().SetChooser([saved](QWidget*) { return saved; });
    QVERIFY(m_desk->Save());
    m_desk->SetPrintAsker([printed](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return true;
    });
    QTest::keyClick(m_desk->Draft(), Qt::Key_P, Qt::ControlModifier);
    QTRY_VERIFY(QFile::exists(printed));
    const auto visible = [](QString value) {
        value.removeIf([](QChar c) { return c.isSpace(); });
        return value;
    };
    for (const QString& path : {saved, printed}) {
        const ExternalTool run = ExternalTool::Run(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
        QString extracted = visible(run.output).remove(visible(status));
        for (int page = 1; page <= sheets && status.contains(u'行'); ++page)
            extracted.remove(QStringLiteral("%1/%2").arg(page).arg(sheets));
        QCOMPARE(extracted, visible(text));
    }
}

void TestWritingDesk::ownGridOutOfBoundsRefused_data()
{
    QTest::addColumn<QString>("columns");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QSize>("chosen"); // invalid: OK waits
    QTest::newRow("the largest") << "50"
                                 << "100" << QSize(50, 100);
    QTest::newRow("the smallest") << "10"
                                  << "1" << QSize(10, 1);
    QTest::newRow("51 squares: the 1 is refused, 5 is too few") << "51"
                                                                << "20" << QSize();
    QTest::newRow("9 squares are too few") << "9"
                                           << "20" << QSize();
    QTest::newRow("no lines: the 0 is refused") << "20"
                                                << "0" << QSize(20, 20);
    QTest::newRow("101 lines: the last 1 is refused") << "20"
                                                      << "101" << QSize(20, 10);
}

void TestWritingDesk::ownGridOutOfBoundsRefused()
{
    QFETCH(QString, columns);
    QFETCH(QString, lines);
    QFETCH(QSize, chosen);
    GridSizeDialog dialog(QSize(20, 20));
    dialog.show();
    for (auto [box, typed] :
         {std::pair{dialog.ColumnsBox(), columns}, std::pair{dialog.LinesBox(), lines}}) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, typed);
    }
    QCOMPARE(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled(), chosen.isValid());
    if (chosen.isValid())
        QCOMPARE(dialog.Chosen(), chosen);
}

void TestWritingDesk::nextMarkInOrderAndWraps()
{
    QPushButton* next = m_desk->NextMarkButton();
    // Nothing to find in an empty draft, and nothing breaks.
    next->click();
    QCOMPARE(next->text(), QStringLiteral("次の記入箇所"));
    QCOMPARE(next->accessibleName(), next->text());
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("記入箇所はもう残っていません"));
    QCOMPARE(m_desk->Draft()->toPlainText(), QString());

    m_desk->Add(QStringLiteral("○○は\n○月の〔行事〕。"));
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("記入箇所 残り 3"));
    QCOMPARE(m_desk->MarksLabel()->accessibleName(), m_desk->MarksLabel()->text());
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
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("記入箇所はもう残っていません"));
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
    m_desk->ClearAction()->trigger();
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
    m_desk->CopyButton()->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("𠮷田です。\n\u3000よろしく"));
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("コピーしました（10 字）"));
}

void TestWritingDesk::unsavedFollowsTheText_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("draft");
    QTest::addColumn<bool>("unsaved");
    QTest::newRow("added, not yet copied") << "add" << QStringLiteral("志望") << true;
    QTest::newRow("copied") << "add copy" << QStringLiteral("志望") << false;
    QTest::newRow("typed after a copy") << "add copy type" << QStringLiteral("志望X") << true;
    QTest::newRow("typed and erased back to what was copied")
        << "add copy type erase" << QStringLiteral("志望") << false;
    QTest::newRow("a screen reader's value after a copy")
        << "add copy reader" << QStringLiteral("読み上げ") << true;
    QTest::newRow("a screen reader's value is one step to undo")
        << "add copy reader undo" << QStringLiteral("志望") << false;
    QTest::newRow("dictation replacing the text, undone")
        << "add dictation undo" << QStringLiteral("志望") << true;
    QTest::newRow("emptied: nothing to ask about") << "add clear" << QString() << false;
}

void TestWritingDesk::unsavedFollowsTheText()
{
    QFETCH(QString, steps);
    DraftEdit* draft = m_desk->Draft();
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(draft);
    QVERIFY(reader && reader->editableTextInterface());
    for (const QString& step : steps.split(u' ')) {
        if (step == QStringLiteral("add"))
            m_desk->Add(QStringLiteral("志望"));
        else if (step == QStringLiteral("copy"))
            m_desk->CopyButton()->click();
        else if (step == QStringLiteral("type"))
            Type(draft, QStringLiteral("X"));
        else if (step == QStringLiteral("erase"))
            QTest::keyClick(draft, Qt::Key_Backspace);
        else if (step == QStringLiteral("reader"))
            reader->setText(QAccessible::Value, QStringLiteral("読み上げ"));
        else if (step == QStringLiteral("dictation"))
            reader->editableTextInterface()->replaceText(0, 2, QStringLiteral("口述"));
        else if (step == QStringLiteral("undo"))
            QTest::keyClick(draft, Qt::Key_Z, Qt::ControlModifier);
        else if (step == QStringLiteral("clear"))
            m_desk->ClearAction()->trigger();
    }
    QTEST(draft->toPlainText(), "draft");
    QTEST(m_desk->HasUnsavedText(), "unsaved");
}

void TestWritingDesk::saveDialogAsksAboutTheNameWritten_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pdfChosen");
    QTest::addColumn<QString>("existing"); // holds "earlier" before the save
    QTest::addColumn<bool>("replace");     // the answer to any question
    QTest::addColumn<QString>("asked");    // the file a question names; empty: none
    QTest::addColumn<QString>("written");  // empty: nothing written
    const QString report = QStringLiteral("報告.txt");
    const QString dotted = QStringLiteral("山田.下書き.txt");
    QTest::newRow("no suffix typed, the dialog asks: keep")
        << QStringLiteral("報告") << false << report << false << report << QString();
    QTest::newRow("no suffix typed, the dialog asks: replace")
        << QStringLiteral("報告") << false << report << true << report << report;
    QTest::newRow("a dotted name, the program asks: keep")
        << QStringLiteral("山田.下書き") << false << dotted << false << dotted << QString();
    QTest::newRow("a dotted name, the program asks: replace")
        << QStringLiteral("山田.下書き") << false << dotted << true << dotted << dotted;
    QTest::newRow("PDF chosen, a new name") << QStringLiteral("要旨") << true << QString() << false
                                            << QString() << QStringLiteral("要旨.pdf");
    QTest::newRow("PDF chosen, the name says text")
        << QStringLiteral("要旨.txt") << true << QString() << false << QString()
        << QStringLiteral("要旨.txt");
}

void TestWritingDesk::saveDialogAsksAboutTheNameWritten()
{
    QFETCH(QString, typed);
    QFETCH(bool, pdfChosen);
    QFETCH(QString, existing);
    QFETCH(bool, replace);
    QFETCH(QString, written);
    QTemporaryDir folder;
    if (!existing.isEmpty()) {
        QFile earlier(folder.filePath(existing));
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const QString text = QStringLiteral("推薦書の下書き");
    m_desk->Add(text);

    // The real dialog, answered as a user would: the type, the name, Save, then any
    // question; a dialog shown again after "No" is cancelled.
    QStringList questions;
    bool accepted = false;
    QTimer user;
    connect(&user, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            questions << box->text();
            box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (accepted) {
                dialog->reject();
                return;
            }
            accepted = true;
            dialog->setDirectory(folder.path());
            if (pdfChosen) {
                auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
                QVERIFY(types);
                QTest::keyClick(types, Qt::Key_Down);
            }
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->clear();
            Type(name, typed);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    user.start(20);
    QCOMPARE(m_desk->Save(), !written.isEmpty());
    user.stop();

    QFETCH(QString, asked);
    QCOMPARE(questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(questions.first().contains(asked), qPrintable(questions.first()));
    QStringList files = QDir(folder.path()).entryList(QDir::Files);
    files.sort();
    QStringList expected{existing, written};
    expected.removeAll(QString());
    expected.removeDuplicates();
    expected.sort();
    QCOMPARE(files, expected);
    if (!existing.isEmpty() && existing != written) {
        QFile earlier(folder.filePath(existing));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    }
    if (!written.isEmpty()) {
        QFile saved(folder.filePath(written));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        if (written.endsWith(QStringLiteral(".pdf")))
            QVERIFY(bytes.startsWith("%PDF-"));
        else
            QCOMPARE(bytes, text.toUtf8());
    }
    QCOMPARE(m_desk->HasUnsavedText(), written.isEmpty());
}

// The PDF holds the draft and its count; text files are the dialog's test's.
void TestWritingDesk::saveWritesThePdf()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("下書き.PDF"));
    const QString text =
        QStringLiteral("志望理由\n\u3000私は吉野で育ち、地域の医療に関心を持った。");
    m_desk->Add(text);
    m_desk->File().SetChooser([path](QWidget*) { return path; });
    QVERIFY(m_desk->Save());
    QVERIFY(!m_desk->HasUnsavedText());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("%PDF-"));
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
    m_desk->File().SetChooser([path](QWidget*) { return path; });
    QSignalSpy failed(m_desk, &WritingDesk::SaveFailed);
    QVERIFY(!m_desk->Save());
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.first().first().toString().contains(
                 readOnlyFolder ? QStringLiteral("ermission") : QStringLiteral("No such file")),
             qPrintable(failed.first().first().toString()));
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

void TestWritingDesk::printingWithoutItsModuleFails_data()
{
    QTest::addColumn<QByteArray>("found"); // under the module's name; null: nothing
    QTest::newRow("no module where it is looked for") << QByteArray();
    QTest::newRow("a file by its name that is no library") << QByteArray("not a library");
}

void TestWritingDesk::printingWithoutItsModuleFails()
{
    QFETCH(QByteArray, found);
    QTemporaryDir folder;
    const QString name = QStringLiteral(KIRAVELO_PRINTING_FILE);
    if (!found.isNull()) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(found);
    }
    DraftPrinter::SetModuleFolders({folder.path()});
    m_desk->Add(QStringLiteral("印刷する下書き"));
    bool asked = false;
    m_desk->SetPrintAsker([&asked](QPrinter&, QWidget*) { return asked = true; });
    QSignalSpy failed(m_desk, &WritingDesk::PrintFailed);
    QVERIFY(!m_desk->Print());
    QVERIFY(!asked);
    QCOMPARE(failed.size(), 1);
    const QString reason = failed.at(0).at(0).toString();
    QVERIFY2(reason.contains(name), qPrintable(reason));
}

void TestWritingDesk::draftFaceComesWithTextOrFocus_data()
{
    QTest::addColumn<bool>("focus");
    QTest::newRow("text put in, as a kept draft is") << false;
    QTest::newRow("the focus") << true;
}

void TestWritingDesk::draftFaceComesWithTextOrFocus()
{
    QFETCH(bool, focus);
    // Until then the draft shows only its hint, in the face of the labels; the caret and
    // the first character come in the draft's own.
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* desk = new WritingDesk(&window);
    desk->move(0, 30);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    DraftEdit* draft = desk->Draft();
    QCOMPARE(draft->font(), field->font());
    if (focus)
        draft->setFocus();
    else
        draft->setPlainText(QStringLiteral("甲"));
    QCOMPARE(draft->font().pointSize(), 12);
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
                selection.format.foreground().color() == Highlight::Warning)
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
    QCOMPARE(m_desk->MarksLabel()->text(), QStringLiteral("記入箇所 残り 2"));
}

void TestWritingDesk::missingPdfFontIsReported()
{
    // CTest runs this once more with fontconfig shown the Gothic alone.
    const bool withoutMincho = qEnvironmentVariableIsSet("KIRAVELO_WITHOUT_MINCHO");
    if (!withoutMincho)
        QSKIP("IPA Mincho is installed here; the run without it checks the report");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("下書き.pdf"));
    m_desk->Add(QStringLiteral("下書き"));
    m_desk->File().SetChooser([path](QWidget*) { return path; });
    QSignalSpy failed(m_desk, &WritingDesk::SaveFailed);
    QVERIFY(!m_desk->Save());
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.first().first().toString().contains(QStringLiteral("IPAMincho")),
             qPrintable(failed.first().first().toString()));
    QVERIFY(!QFile::exists(path));
    QVERIFY(m_desk->HasUnsavedText());
}

QTEST_MAIN(TestWritingDesk)
#include "tst_writingdesk.moc"
