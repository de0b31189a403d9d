#include "CMyEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextDocumentFragment>

// A sample with fill-in marks shows each mark in its own colour, while what the
// reader selects and copies stays the sample as it is.
class tst_PlaceholderMarks : public QObject
{
    Q_OBJECT

private slots:
    void marksStandOutButCopyUnchanged_data();
    void marksStandOutButCopyUnchanged();
    void marksFollowTheShownSample();
};

void tst_PlaceholderMarks::marksStandOutButCopyUnchanged_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("marks"); // offsets in the shown text

    QTest::newRow("none") << QStringLiteral("　成績は優秀である。") << QList<int>{};
    QTest::newRow("one paragraph") << QStringLiteral("　評定平均値は○．○、学年○○○名中○位である。")
                                   << QList<int>{7, 9, 13, 14, 15, 18};
    // Offsets count the paragraph break as one character, as the box shows it.
    QTest::newRow("two paragraphs")
        << QStringLiteral(
               "　日本史に関心を持つ。\r\n　評定は○、平均値は○．○、学年○○○名中○○位である。")
        << QList<int>{16, 22, 24, 28, 29, 30, 33, 34};
}

void tst_PlaceholderMarks::marksStandOutButCopyUnchanged()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, marks);

    CMyEdit edit;
    edit.resize(400, 200);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.SetSampleText(text);

    const QList<QTextEdit::ExtraSelection> selections = edit.extraSelections();
    QCOMPARE(selections.size(), marks.size());
    const QColor plain = edit.palette().color(QPalette::Text);
    for (qsizetype i = 0; i < selections.size(); ++i) {
        const QTextCursor& cursor = selections.at(i).cursor;
        QCOMPARE(cursor.selectionStart(), marks.at(i));
        QCOMPARE(cursor.selectedText(), QStringLiteral("○"));
        QVERIFY(selections.at(i).format.foreground().color() != plain);
    }

    QCOMPARE(edit.SampleText(), text);
    QTest::mouseDClick(edit.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QString copied = edit.textCursor().selection().toPlainText();
    QString expected = text;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(copied, expected);
    edit.copy();
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

void tst_PlaceholderMarks::marksFollowTheShownSample()
{
    CMyEdit edit;
    edit.SetSampleText(QStringLiteral("　学年○○○名中○位である。"));
    QCOMPARE(edit.extraSelections().size(), 4);
    edit.SetSampleText(QStringLiteral("　成績は優秀である。"));
    QCOMPARE(edit.extraSelections().size(), 0);
    edit.SetSampleText(QString());
    QCOMPARE(edit.extraSelections().size(), 0);
}

QTEST_MAIN(tst_PlaceholderMarks)
#include "tst_PlaceholderMarks.moc"
