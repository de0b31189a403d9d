// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberedText.h"

#include <QTest>

class TestNumberedText : public QObject
{
    Q_OBJECT
private slots:
    void compose_data();
    void compose();
};

void TestNumberedText::compose_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pdfName");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("expected");

    const QString text = QStringLiteral("　一段落目です。\r\n　二段落目です。");
    QTest::newRow("first record, PDF present")
        << 0 << text << QStringLiteral("gakubu_001.pdf") << true
        << QStringLiteral("No.1\r\n\r\n　一段落目です。\r\n　二段落目です。");
    QTest::newRow("position 4 is number 5")
        << 4 << text << QStringLiteral("gakubu_005.pdf") << true
        << QStringLiteral("No.5\r\n\r\n　一段落目です。\r\n　二段落目です。");
    QTest::newRow("PDF missing: its name leads")
        << 10 << text << QStringLiteral("jiko_011.pdf") << false
        << QStringLiteral("jiko_011.pdf\r\n\r\nNo.11\r\n\r\n　一段落目です。\r\n　二段落目です。");
    QTest::newRow("last slot of the largest catalogue")
        << 323 << QStringLiteral("　文。") << QStringLiteral("gakubu_324.pdf") << true
        << QStringLiteral("No.324\r\n\r\n　文。");
    QTest::newRow("empty PDF name: a blank line leads")
        << 2 << QStringLiteral("　文。") << QString() << false
        << QStringLiteral("\r\n\r\nNo.3\r\n\r\n　文。");
    // Texts and names are content, never format strings.
    QTest::newRow("percent signs pass through")
        << 6 << QStringLiteral("　100%1の力で。") << QStringLiteral("jiko_%2.pdf") << false
        << QStringLiteral("jiko_%2.pdf\r\n\r\nNo.7\r\n\r\n　100%1の力で。");
}

void TestNumberedText::compose()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QString, pdfName);
    QFETCH(bool, present);
    QFETCH(QString, expected);
    QCOMPARE(NumberedText::ComposeNumberedText(position, text, pdfName, present), expected);
}

QTEST_APPLESS_MAIN(TestNumberedText)
#include "tst_numberedtext.moc"
