// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMyEdit.h"
#include "Highlight.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocumentFragment>

namespace {
const QString Sample = QStringLiteral(
    "\u3000一段落目の文章です。とても長い文章が続きます。\r\n\u3000二段落目の文章です。");
const QString SampleShown = QStringLiteral(
    "\u3000一段落目の文章です。とても長い文章が続きます。\n\u3000二段落目の文章です。");
} // namespace

class TestCMyEdit : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void doubleClickSelectsEverything_data();
    void doubleClickSelectsEverything();
    void doubleClickOnEmptyBoxTakesFocusOnly();
    void selectionIsDrawnOnlyWithTheFocus();
    void editingChangesNothing_data();
    void editingChangesNothing();
    void copyGivesWholeSample();
    void newTextStartsAtFirstLine();
    void placeholdersStandOutButCopyUnchanged();
    void searchHitsStandOut_data();
    void searchHitsStandOut();

private:
    QWidget* m_window = nullptr;
    CMyEdit* m_edit = nullptr;
    QLineEdit* m_other = nullptr;
};

void TestCMyEdit::init()
{
    m_window = new QWidget;
    m_window->resize(600, 400);
    m_edit = new CMyEdit(m_window);
    m_edit->setGeometry(10, 10, 300, 120);
    m_other = new QLineEdit(m_window);
    m_other->setGeometry(10, 200, 100, 20);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_other->setFocus();
}

void TestCMyEdit::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestCMyEdit::doubleClickSelectsEverything_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::newRow("on the first word") << QPoint(20, 10);
    QTest::newRow("in the middle") << QPoint(150, 40);
    QTest::newRow("below the text") << QPoint(200, 100);
}

void TestCMyEdit::doubleClickSelectsEverything()
{
    QFETCH(QPoint, where);
    m_edit->SetSampleText(Sample);
    QVERIFY(!m_edit->hasFocus());
    QTest::mouseDClick(m_edit->viewport(), Qt::LeftButton, {}, where);
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->textCursor().selection().toPlainText(), SampleShown);
}

void TestCMyEdit::doubleClickOnEmptyBoxTakesFocusOnly()
{
    m_edit->SetSampleText(QString());
    QTest::mouseDClick(m_edit->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QVERIFY(m_edit->hasFocus());
    QVERIFY(!m_edit->textCursor().hasSelection());
}

void TestCMyEdit::selectionIsDrawnOnlyWithTheFocus()
{
    m_edit->SetSampleText(Sample);
    QTest::mouseDClick(m_edit->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(m_edit->hasFocus());
    // Either highlight the style would draw a selection in.
    const QList<QColor> highlights = {
        QApplication::palette().color(QPalette::Active, QPalette::Highlight),
        QApplication::palette().color(QPalette::Inactive, QPalette::Highlight)};
    const auto highlighted = [this, &highlights] {
        const QImage image = m_edit->viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += highlights.contains(image.pixelColor(x, y)) ? 1 : 0;
        }
        return count;
    };
    QVERIFY(highlighted() > 100);
    m_other->setFocus();
    QVERIFY(!m_edit->hasFocus());
    QVERIFY(m_edit->textCursor().hasSelection()); // kept, only not drawn
    QCOMPARE(highlighted(), 0);
}

void TestCMyEdit::editingChangesNothing_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("typed");
    QTest::newRow("typing") << QKeySequence() << QStringLiteral("abc");
    QTest::newRow("paste") << QKeySequence(QKeySequence::Paste) << QString();
    QTest::newRow("cut") << QKeySequence(QKeySequence::Cut) << QString();
    QTest::newRow("delete") << QKeySequence(Qt::Key_Delete) << QString();
    QTest::newRow("backspace") << QKeySequence(Qt::Key_Backspace) << QString();
}

void TestCMyEdit::editingChangesNothing()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, typed);
    QGuiApplication::clipboard()->setText(QStringLiteral("貼り付け"));
    m_edit->SetSampleText(Sample);
    QTest::mouseDClick(m_edit->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    if (!typed.isEmpty())
        QTest::keyClicks(m_edit, typed);
    else
        QTest::keySequence(m_edit, keys);
    QCOMPARE(m_edit->toPlainText(), SampleShown);
    QCOMPARE(m_edit->SampleText(), Sample);
}

void TestCMyEdit::copyGivesWholeSample()
{
    m_edit->SetSampleText(Sample);
    QTest::mouseDClick(m_edit->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(m_edit, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), SampleShown);
}

void TestCMyEdit::newTextStartsAtFirstLine()
{
    QString longText;
    for (int i = 0; i < 30; ++i)
        longText += QStringLiteral("\u3000第%1段落の文章です。\r\n").arg(i);
    longText += QStringLiteral("\u3000終わり。");
    // The samples' face arrives with the first sample, before it is laid out.
    QFont face = m_edit->font();
    face.setPointSize(face.pointSize() + 6);
    m_edit->SetTextFont(face);
    QVERIFY(m_edit->font() != face);
    m_edit->SetSampleText(longText);
    QCOMPARE(m_edit->font(), face);
    QScrollBar* bar = m_edit->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    m_edit->SetSampleText(longText + QStringLiteral("\r\n\u3000追加。"));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(m_edit->cursorForPosition(QPoint(5, 5)).block().blockNumber(), 0);
}

void TestCMyEdit::placeholdersStandOutButCopyUnchanged()
{
    const QString filled =
        QStringLiteral("\u3000評定平均値は○．○、学年○○○名中○位で、〔学科の演習〕を志す。");
    m_edit->SetSampleText(filled);
    QStringList marked;
    for (const QTextEdit::ExtraSelection& mark : m_edit->extraSelections()) {
        marked << mark.cursor.selectedText();
        QVERIFY(mark.format.foreground().color() != m_edit->palette().color(QPalette::Text));
    }
    QCOMPARE(marked, (QStringList{u"○"_qs, u"○"_qs, u"○○○"_qs, u"○"_qs, u"〔学科の演習〕"_qs}));
    QTest::mouseDClick(m_edit->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    QCOMPARE(m_edit->textCursor().selection().toPlainText(), filled);
    // A text without marks leaves no stale highlight behind.
    m_edit->SetSampleText(Sample);
    QVERIFY(m_edit->extraSelections().isEmpty());
}

void TestCMyEdit::searchHitsStandOut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("hits"); // start, length, … in units of the text
    QTest::addColumn<QStringList>("marked");

    QTest::newRow("two hits") << u"\u3000探究\r\n\u3000探究心"_qs << QList<int>{1, 2, 6, 2}
                              << QStringList{u"探究"_qs, u"探究"_qs};
    QTest::newRow("across a line break")
        << u"探\r\n究"_qs << QList<int>{0, 4} << QStringList{u"探\u2029究"_qs};
    QTest::newRow("outside the text ignored")
        << u"探究"_qs << QList<int>{1, 5, -1, 1, 0, 0} << QStringList{};
    QTest::newRow("fill-in mark searched for")
        << u"値は○"_qs << QList<int>{2, 1} << QStringList{u"○"_qs, u"○"_qs};
}

void TestCMyEdit::searchHitsStandOut()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, hits);
    QList<SearchQuery::Hit> given;
    for (qsizetype i = 0; i + 1 < hits.size(); i += 2)
        given.append({hits.at(i), hits.at(i + 1)});
    // Set while hidden, the text and its hits arrive when the box is shown.
    m_edit->hide();
    m_edit->SetSampleText(text, given);
    QCOMPARE(m_edit->SampleText(), text);
    m_edit->show();
    QCOMPARE(m_edit->toPlainText(), QString(text).replace(u"\r\n"_qs, u"\n"_qs));
    m_edit->viewport()->repaint();
    QStringList marked;
    for (const QTextEdit::ExtraSelection& mark : m_edit->extraSelections())
        marked << mark.cursor.selectedText();
    QTEST(marked, "marked");
    // The hit's colour is its own, and the fill-in mark keeps its red on top of it.
    const QList<QTextEdit::ExtraSelection> marks = m_edit->extraSelections();
    if (!marks.isEmpty()) {
        QCOMPARE(marks.last().format.background().color(), Highlight::HitBackground);
        QVERIFY(!marks.last().format.hasProperty(QTextFormat::ForegroundBrush));
    }
    // Copying still gives the text as filed.
    m_edit->selectAll();
    QCOMPARE(m_edit->textCursor().selection().toPlainText(),
             QString(text).replace(u"\r\n"_qs, u"\n"_qs));
    // The next text starts unmarked.
    m_edit->SetSampleText(Sample);
    QVERIFY(m_edit->extraSelections().isEmpty());
}

QTEST_MAIN(TestCMyEdit)
#include "tst_cmyedit.moc"
