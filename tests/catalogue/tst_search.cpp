// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SearchIndex.h"
#include "SearchQuery.h"
#include "SearchText.h"

#include <QTest>

class TestSearch : public QObject
{
    Q_OBJECT
private slots:
    void normalise_data();
    void normalise();
    void matching_data();
    void matching();
    void hits_data();
    void hits();
    void narrow_data();
    void narrow();
};

void TestSearch::normalise_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");

    QTest::newRow("full-width letters and digits") << u"ＡＢｃ１２３"_qs << u"abc123"_qs;
    QTest::newRow("half-width katakana") << u"ﾘｰﾀﾞｰ"_qs << u"りーだー"_qs;
    QTest::newRow("katakana") << u"リーダー"_qs << u"りーだー"_qs;
    QTest::newRow("small and voiced katakana, ヶ as か") << u"ァヴヶ"_qs << u"ぁゔか"_qs;
    QTest::newRow("hiragana and kanji stay") << u"たんきゅう探究"_qs << u"たんきゅう探究"_qs;
    QTest::newRow("Latin case") << u"NPO Leader"_qs << u"npoleader"_qs;
    QTest::newRow("line breaks and ideographic spaces")
        << u"\u3000探\r\n\u3000究\n心\t。"_qs << u"探究心。"_qs;
    QTest::newRow("combining voiced mark") << u"か\u3099"_qs << u"が"_qs;
    QTest::newRow("compatibility ligature and circled digit") << u"㍻①"_qs << u"平成1"_qs;
    QTest::newRow("fill-in mark stays") << u"○．○"_qs << u"○.○"_qs;
    QTest::newRow("control and format characters") << u"探\u0001\u200b究\u007f"_qs << u"探究"_qs;
    QTest::newRow("lone high surrogate") << u"a"_qs + QChar(0xD800) + u"b"_qs << u"a\uFFFDb"_qs;
    QTest::newRow("lone low surrogate at the end") << u"a"_qs + QChar(0xDC00) << u"a\uFFFD"_qs;
    QTest::newRow("supplementary character") << u"𠮷野"_qs << u"𠮷野"_qs;
    QTest::newRow("nothing") << QString() << QString();
}

void TestSearch::normalise()
{
    QFETCH(QString, text);
    QList<SearchText::Source> sources;
    const QString normalised = SearchText::Normalise(text, &sources);
    QTEST(normalised, "normalised");
    QCOMPARE(SearchText::Normalise(text), normalised);
    // Every unit of the result points into the original, in order.
    QCOMPARE(sources.size(), normalised.size());
    for (qsizetype i = 0; i < sources.size(); ++i) {
        QVERIFY(sources.at(i).start < sources.at(i).end);
        QVERIFY(sources.at(i).end <= text.size());
        if (i > 0)
            QVERIFY(sources.at(i).start >= sources.at(i - 1).start);
    }
}

void TestSearch::matching_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("matches");

    const QString leader = u"\u3000生徒会のリーダーとして"_qs;
    QTest::newRow("katakana") << leader << u"リーダー"_qs << false << true;
    QTest::newRow("hiragana") << leader << u"りーだー"_qs << false << true;
    QTest::newRow("half-width katakana") << leader << u"ﾘｰﾀﾞｰ"_qs << false << true;
    QTest::newRow("full-width digit in the text") << u"３年間"_qs << u"3年"_qs << false << true;
    QTest::newRow("half-width digit in the text") << u"3年間"_qs << u"３年"_qs << false << true;
    QTest::newRow("Latin case") << u"ＮＰＯ法人"_qs << u"npo"_qs << false << true;
    QTest::newRow("word broken across a line")
        << u"\u3000探\r\n\u3000究する"_qs << u"探究"_qs << false << true;
    QTest::newRow("two words, both there")
        << u"探究心と協調性"_qs << u"協調性 探究"_qs << false << true;
    QTest::newRow("full-width space between words")
        << u"探究心と協調性"_qs << u"探究\u3000協調"_qs << false << true;
    QTest::newRow("two words, one missing")
        << u"探究心と協調性"_qs << u"探究 リーダー"_qs << false << false;
    QTest::newRow("word not there") << leader << u"ボランティア"_qs << false << false;
    QTest::newRow("fill-in mark") << u"評定平均値は○．○"_qs << u"○"_qs << false << true;
    QTest::newRow("fill-in mark absent") << leader << u"○"_qs << false << false;
    QTest::newRow("a phrase with its brackets")
        << u"貴学の〔少人数の演習〕で"_qs << u"〔少人数"_qs << false << true;
    QTest::newRow("no words") << leader << QString() << true << true;
    QTest::newRow("only spaces") << leader << u"  \u3000 \t"_qs << true << true;
    QTest::newRow("only control characters") << leader << u"\u0001\u0002"_qs << true << true;
    QTest::newRow("control character inside a word")
        << leader << u"リー\u0007ダー"_qs << false << true;
    QTest::newRow("lone surrogate") << leader << QString(QChar(0xD800)) << false << false;
    QTest::newRow("longer than the text") << u"探究"_qs << u"探究心"_qs << false << false;
    QTest::newRow("10,000 characters") << leader << QString(10000, u'ア') << false << false;
    QTest::newRow("10,000 characters, every one a word")
        << leader << u"リ "_qs.repeated(5000) << false << true;
}

void TestSearch::matching()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    const SearchQuery search(query);
    QTEST(search.IsEmpty(), "empty");
    QTEST(search.Matches(SearchText::Normalise(text)), "matches");
    QCOMPARE(search.Typed(), query);
}

void TestSearch::hits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("hits"); // start, length, start, length …

    QTest::newRow("each occurrence") << u"探究心と探究"_qs << u"探究"_qs << QList<int>{0, 2, 4, 2};
    QTest::newRow("in the original's units")
        << u"ﾘｰﾀﾞｰです"_qs << u"リーダー"_qs << QList<int>{0, 5};
    QTest::newRow("across a line break") << u"探\r\n\u3000究"_qs << u"探究"_qs << QList<int>{0, 5};
    QTest::newRow("overlaps merged") << u"あああ"_qs << u"ああ"_qs << QList<int>{0, 3};
    QTest::newRow("two words, in text order")
        << u"協調性と探究心"_qs << u"探究 協調"_qs << QList<int>{0, 2, 4, 2};
    QTest::newRow("adjacent words merged") << u"探究心"_qs << u"心 探究"_qs << QList<int>{0, 3};
    QTest::newRow("inside a ligature") << u"㍻元年"_qs << u"成"_qs << QList<int>{0, 1};
    QTest::newRow("after a supplementary character")
        << u"𠮷野家"_qs << u"野"_qs << QList<int>{2, 1};
    QTest::newRow("ヶ for か") << u"三か月後"_qs << u"三ヶ月"_qs << QList<int>{0, 3};
    QTest::newRow("か for ヵ") << u"五ヵ所で"_qs << u"五か所"_qs << QList<int>{0, 3};
    QTest::newRow("wave dash for full-width tilde")
        << u"4〜6月"_qs << u"4～6"_qs << QList<int>{0, 3};
    QTest::newRow("full-width tilde for wave dash")
        << u"4～6月"_qs << u"4〜6"_qs << QList<int>{0, 3};
    QTest::newRow("spacing voiced mark for combining")
        << u"か\u3099く"_qs << u"か゛く"_qs << QList<int>{0, 3};
    QTest::newRow("combining mark for spacing, marks the whole letter")
        << u"はか゛き"_qs << u"が"_qs << QList<int>{1, 2};
    QTest::newRow("semi-voiced") << u"ハ\u309Aン"_qs << u"は゜ん"_qs << QList<int>{0, 3};
    QTest::newRow("variation selector ignored, marked with its kanji")
        << u"葛\U000E0100飾区"_qs << u"葛飾"_qs << QList<int>{0, 4};
    QTest::newRow("variation selector in the query")
        << u"葛飾区"_qs << u"葛\uFE00飾"_qs << QList<int>{0, 2};
    QTest::newRow("inside a phrase to check")
        << u"貴学の〔少人数の演習〕で"_qs << u"少人数"_qs << QList<int>{4, 3};
    QTest::newRow("empty query") << u"探究"_qs << u" "_qs << QList<int>{};
    QTest::newRow("not there") << u"探究"_qs << u"協調"_qs << QList<int>{};
}

void TestSearch::hits()
{
    QFETCH(QString, text);
    QFETCH(QString, query);
    QFETCH(QList<int>, hits);
    QList<int> found;
    for (const SearchQuery::Hit& hit : SearchQuery(query).Hits(text))
        found << int(hit.start) << int(hit.length);
    QCOMPARE(found, hits);
}

void TestSearch::narrow_data()
{
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QList<int>>("listing");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("listed");

    QTest::newRow("nothing selected, no query")
        << false << QList<int>{} << QString() << QList<int>{};
    QTest::newRow("selection, no query") << true << QList<int>{3, 1} << u" "_qs << QList<int>{3, 1};
    QTest::newRow("nothing selected: the whole catalogue")
        << false << QList<int>{} << u"探究"_qs << QList<int>{0, 2, 3};
    QTest::newRow("selection narrowed")
        << true << QList<int>{0, 1, 2} << u"探究"_qs << QList<int>{0, 2};
    QTest::newRow("selection of nothing stays empty")
        << true << QList<int>{} << u"探究"_qs << QList<int>{};
    QTest::newRow("two words") << false << QList<int>{} << u"探究 リーダー"_qs << QList<int>{2};
    QTest::newRow("a word within a longer one")
        << false << QList<int>{} << u"ーダー 探究し ー"_qs << QList<int>{2};
    QTest::newRow("no match") << false << QList<int>{} << u"ボランティア"_qs << QList<int>{};
    QTest::newRow("index outside the catalogue ignored")
        << true << QList<int>{2, 9, -1} << u"探究"_qs << QList<int>{2};
}

void TestSearch::narrow()
{
    QFETCH(bool, selected);
    QFETCH(QList<int>, listing);
    QFETCH(QString, query);
    const SearchIndex index(
        {{u"\u3000探究心。"_qs, u"1"_qs, u"t_001.pdf"_qs},
         {u"\u3000協調性。"_qs, u"1"_qs, u"t_002.pdf"_qs},
         {u"\u3000ﾘｰﾀﾞｰとして探\r\n\u3000究した。"_qs, u"1"_qs, u"t_003.pdf"_qs},
         {u"\u3000タンキュウと探究。"_qs, u"1"_qs, u"t_004.pdf"_qs}});
    QCOMPARE(index.size(), 4);
    const std::optional<QList<int>> selection =
        selected ? std::optional<QList<int>>(listing) : std::nullopt;
    QTEST(index.Narrow(selection, SearchQuery(query)), "listed");
    // Typed on from a shorter, a wider or an unrelated query: the same answer.
    for (const QString& before : {query.left(query.size() - 1), u"探"_qs, u"究し"_qs, u"ー"_qs}) {
        SearchIndex typing = index;
        typing.Follow(selection, SearchQuery(before));
        QTEST(typing.Follow(selection, SearchQuery(query)), "listed");
    }
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
