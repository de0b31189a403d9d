// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftText.h"

#include <QTest>

using Run = DraftText::Run;
Q_DECLARE_METATYPE(Run)

class TestDraftText : public QObject
{
    Q_OBJECT
private slots:
    void count_data();
    void count();
    void placeholders_data();
    void placeholders();
    void nextPlaceholder_data();
    void nextPlaceholder();
    void limit_data();
    void limit();
    void appendix_data();
    void appendix();
};

void TestDraftText::count_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("CR LF between paragraphs") << QStringLiteral("私は\r\n努力した。") << 7;
    QTest::newRow("LF only") << QStringLiteral("一\n\n二\n") << 2;
    QTest::newRow("lone CR") << QStringLiteral("一\r二") << 2;
    QTest::newRow("ideographic spaces count") << QStringLiteral("\u3000本校の\u3000生徒") << 7;
    QTest::newRow("fill-in marks count") << QStringLiteral("○○年に○○を") << 7;
    QTest::newRow("surrogate pairs are one each") << QStringLiteral("𠮷野家と𩸽") << 5;
    QTest::newRow("lone surrogates still count") << QString(QChar(0xDC00)) + QChar(0xD800) << 2;
    QTest::newRow("a combining voiced mark joins its kana")
        << QStringLiteral("か\u3099き\u3099") << 2;
    QTest::newRow("decomposed counts as composed") << QStringLiteral("は\u309Aン\u3099") << 2;
    QTest::newRow("a variation selector joins its kanji")
        << QStringLiteral("葛\U000E0100飾区\uFE00") << 3;
    QTest::newRow("a mark after a line break stays a character")
        << QStringLiteral("一\n\u3099") << 2;
}

void TestDraftText::count()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QCOMPARE(DraftText::Count(text), count);
}

void TestDraftText::placeholders_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<Run>>("runs");
    QTest::newRow("none") << QStringLiteral("文例") << QList<Run>{};
    QTest::newRow("runs of one and many")
        << QStringLiteral("○年に○○○を\n○") << QList<Run>{{0, 1}, {3, 3}, {8, 1}};
    QTest::newRow("after a surrogate pair, in UTF-16 units")
        << QStringLiteral("𠮷○○") << QList<Run>{{2, 2}};
    QTest::newRow("the hollow circle only, not ◯ or ●")
        << QStringLiteral("◯●○") << QList<Run>{{2, 1}};
    QTest::newRow("a phrase to check, marks inside it part of it")
        << QStringLiteral("○は〔○○年の制度〕で") << QList<Run>{{0, 1}, {2, 8}};
    QTest::newRow("a phrase right after marks is a run of its own")
        << QStringLiteral("○○〔学科〕") << QList<Run>{{0, 2}, {2, 4}};
    QTest::newRow("nested: the outermost pair")
        << QStringLiteral("〔外〔内〕外〕〔次〕") << QList<Run>{{0, 7}, {7, 3}};
    QTest::newRow("unclosed: the bracket is plain, a pair after it counts")
        << QStringLiteral("〔開いたまま〔閉〕") << QList<Run>{{6, 3}};
    QTest::newRow("a close without an open is plain")
        << QStringLiteral("〕〔〕〕") << QList<Run>{{1, 2}};
    QTest::newRow("100,000 opening brackets, then marks")
        << QString(100000, u'〔') + QStringLiteral("○") << QList<Run>{{100000, 1}};
    QTest::newRow("100,000 pairs nested")
        << QString(100000, u'〔') + QString(100000, u'〕') << QList<Run>{{0, 200000}};
}

void TestDraftText::placeholders()
{
    QFETCH(QString, text);
    QFETCH(QList<Run>, runs);
    QCOMPARE(DraftText::Placeholders(text), runs);
}

void TestDraftText::nextPlaceholder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("start"); // -1: none
    QTest::addColumn<int>("length");
    const QString text = QStringLiteral("○○は、○月に○○○。");
    QTest::newRow("from the top") << text << 0 << 0 << 2;
    QTest::newRow("caret after the first run") << text << 2 << 4 << 1;
    QTest::newRow("caret inside a run skips it") << text << 1 << 4 << 1;
    QTest::newRow("caret on a run's start") << text << 7 << 7 << 3;
    QTest::newRow("past the last run wraps to the top") << text << 8 << 0 << 2;
    QTest::newRow("at the end wraps") << text << int(text.size()) << 0 << 2;
    QTest::newRow("a phrase is the next place") << QStringLiteral("済み〔名称〕○") << 0 << 2 << 4;
    QTest::newRow("none left") << QStringLiteral("埋まった") << 0 << -1 << 0;
    QTest::newRow("empty draft") << QString() << 0 << -1 << 0;
}

void TestDraftText::nextPlaceholder()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, start);
    QFETCH(int, length);
    const std::optional<Run> run = DraftText::NextPlaceholder(text, from);
    QCOMPARE(run.has_value(), start >= 0);
    if (run)
        QCOMPARE(*run, (Run{start, length}));
}

void TestDraftText::limit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("overflow");
    const QString text250 = QString(250, u'あ');
    QTest::newRow("no limit") << text250 << 0 << QStringLiteral("250 字") << -1;
    QTest::newRow("50 over 200") << text250 << 200
                                 << QStringLiteral("250 字 ／ 200 字（50 字超過）") << 200;
    QTest::newRow("exactly at the limit")
        << QString(200, u'あ') << 200 << QStringLiteral("200 字 ／ 200 字（残り 0 字）") << -1;
    QTest::newRow("room left") << QStringLiteral("短い") << 400
                               << QStringLiteral("2 字 ／ 400 字（残り 398 字）") << -1;
    QTest::newRow("line breaks take no room")
        << QString(200, u'あ') + QStringLiteral("\n\nい") << 200
        << QStringLiteral("201 字 ／ 200 字（1 字超過）") << 202;
    QTest::newRow("the cut falls before a whole pair")
        << QString(200, u'あ') + QStringLiteral("𠮷") << 200
        << QStringLiteral("201 字 ／ 200 字（1 字超過）") << 200;
    QTest::newRow("the cut keeps a kana with its mark")
        << QString(200, u'あ') + QStringLiteral("か\u3099") << 200
        << QStringLiteral("201 字 ／ 200 字（1 字超過）") << 200;
    QTest::newRow("empty draft") << QString() << 1200
                                 << QStringLiteral("0 字 ／ 1200 字（残り 1200 字）") << -1;
}

void TestDraftText::limit()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, status);
    QFETCH(int, overflow);
    QCOMPARE(DraftText::Status(DraftText::Count(text), limit), status);
    QCOMPARE(DraftText::OverflowStart(text, limit), qsizetype(overflow));
}

void TestDraftText::appendix_data()
{
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("appendix");
    QTest::newRow("first sample: no break before it")
        << QString() << QStringLiteral("一\r\n二") << QStringLiteral("一\n二");
    QTest::newRow("a break between")
        << QStringLiteral("前") << QStringLiteral("後") << QStringLiteral("\n後");
    QTest::newRow("draft ending in a break gets no second")
        << QStringLiteral("前\n") << QStringLiteral("後") << QStringLiteral("後");
    QTest::newRow("draft ending in a blank line keeps it")
        << QStringLiteral("前\n\n") << QStringLiteral("後") << QStringLiteral("後");
}

void TestDraftText::appendix()
{
    QFETCH(QString, draft);
    QFETCH(QString, sample);
    QFETCH(QString, appendix);
    QCOMPARE(DraftText::Appendix(draft, sample), appendix);
}

QTEST_APPLESS_MAIN(TestDraftText)
#include "tst_drafttext.moc"
