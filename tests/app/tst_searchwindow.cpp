// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The search field of the main window: where it sits, the keys it takes, and what the
// tabs say about a query, checked against a plain reading of the compiled-in catalogues.
#include "CatalogueData.h"
#include "ClickableLabel.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "PageIdentity.h"
#include "SamplePage.h"
#include "SearchOracle.h"
#include "WindowFixture.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

int Holding(const QString& folder, const QStringList& words)
{
    int count = 0;
    for (const SampleRecord& record : CatalogueData::ForFolder(folder).records) {
        const QString text = SearchOracle::Folded(record.text);
        count += std::all_of(words.cbegin(), words.cend(), [&text](const QString& word) {
            return text.contains(SearchOracle::Folded(word));
        });
    }
    return count;
}

// A word every catalogue with samples uses in its first sample.
QString WordOfFirstSample()
{
    return CatalogueData::ForFolder(QStringLiteral("koumoku1")).records.first().text.mid(1, 3);
}

// Japanese arrives as an input method's commit.
void Commit(QWidget* field, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(field, &commit);
}

} // namespace

class TestSearchWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void fieldSitsBesideTheTabs();
    void keysInTheField_data();
    void keysInTheField();
    void tabsTellWhatTheQueryFinds_data();
    void tabsTellWhatTheQueryFinds();
    void pagesBuiltLaterTakeTheQuery();

private:
    QLineEdit* Field() const { return m_window->SearchField(); }

    WindowFixture m_fixture;
    Ctavoru_2Dlg* m_window = nullptr;
};

void TestSearchWindow::init()
{
    QVERIFY(m_fixture.Open());
    m_window = m_fixture.window.get();
}

void TestSearchWindow::cleanup()
{
    m_fixture.window.reset();
}

void TestSearchWindow::fieldSitsBesideTheTabs()
{
    const ColouredTabBar* tabs = m_window->TabBar();
    const QRect lastTab = tabs->tabRect(tabs->count() - 1).translated(tabs->pos());
    const QRect field = Field()->geometry();
    QVERIFY(field.left() > lastTab.right());
    QVERIFY(field.right() < m_window->GuideLink()->geometry().left());
    QVERIFY(field.width() >= 140);
    QCOMPARE(field.top(), lastTab.top());
    QCOMPARE(field.height(), lastTab.height());
    QCOMPARE(Field()->placeholderText(), QStringLiteral("文例を検索"));
    QCOMPARE(Field()->accessibleName(), QStringLiteral("文例を検索"));
    QVERIFY(Field()->text().isEmpty());
    Field()->setText(u"探"_qs);
    QVERIFY(Field()->isClearButtonEnabled());
    Field()->clear();
}

void TestSearchWindow::keysInTheField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("left");

    QTest::newRow("Backspace deletes") << u"探究心"_qs << int(Qt::Key_Backspace) << u"探究"_qs;
    QTest::newRow("Escape empties") << u"探究 心"_qs << int(Qt::Key_Escape) << QString();
    QTest::newRow("Enter does nothing") << u"探究"_qs << int(Qt::Key_Return) << u"探究"_qs;
    QTest::newRow("keypad Enter does nothing") << u"探究"_qs << int(Qt::Key_Enter) << u"探究"_qs;
}

void TestSearchWindow::keysInTheField()
{
    QFETCH(QString, typed);
    QFETCH(int, key);
    Field()->setFocus();
    Commit(Field(), typed);
    QCOMPARE(Field()->text(), typed);
    QCOMPARE(m_window->Page(0)->Query().Typed(), typed);
    QTest::keyClick(Field(), Qt::Key(key));
    QTEST(Field()->text(), "left");
    QCOMPARE(m_window->Page(0)->Query().Typed(), Field()->text());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->result(), 0);
    // Elsewhere the keys stay swallowed: Escape on the exit button leaves the query.
    Field()->setText(typed);
    for (int guarded : {Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Return})
        QTest::keyClick(m_window->ExitButton(), Qt::Key(guarded));
    QCOMPARE(Field()->text(), typed);
    QVERIFY(m_window->isVisible());
}

void TestSearchWindow::tabsTellWhatTheQueryFinds_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("searching");

    QTest::newRow("a word of the first sample") << WordOfFirstSample() << true;
    QTest::newRow("the same in katakana half-width") << u"ﾎﾞﾗﾝﾃｨｱ"_qs << true;
    QTest::newRow("two words") << WordOfFirstSample() + u"\u3000の"_qs << true;
    QTest::newRow("fill-in mark") << u"○"_qs << true;
    QTest::newRow("nothing holds it") << u"ｘｙｚｚｙ"_qs << true;
    QTest::newRow("only spaces") << u" \u3000 "_qs << false;
    QTest::newRow("empty") << QString() << false;
}

void TestSearchWindow::tabsTellWhatTheQueryFinds()
{
    QFETCH(QString, query);
    QFETCH(bool, searching);
    Field()->setText(query);
    QApplication::processEvents();
    ColouredTabBar* tabs = m_window->TabBar();
    const QImage painted = tabs->grab().toImage();
    const QStringList words =
        query.split(QRegularExpression(u"\\s+"_qs, QRegularExpression::UseUnicodePropertiesOption),
                    Qt::SkipEmptyParts);
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        const int count = Holding(PageIdentity::All().at(tab).folder, words);
        SamplePage* page = m_window->Page(tab);
        const bool dimmed = searching && count == 0;
        QCOMPARE(tabs->IsTabDimmed(tab), dimmed);
        QCOMPARE(tabs->tabToolTip(tab),
                 searching ? QStringLiteral("検索に該当 %1 件").arg(count) : QString());
        // The colour a user sees: the tab's own, or mixed toward grey.
        const QColor seen = painted.pixelColor(tabs->tabRect(tab).bottomLeft() + QPoint(3, -2));
        QCOMPARE(seen, tabs->PaintedColour(tab));
        QCOMPARE(seen == tabs->TabColour(tab), !dimmed);
        if (dimmed) {
            QVERIFY(qAbs(seen.red() - seen.green()) <
                        qAbs(tabs->TabColour(tab).red() - tabs->TabColour(tab).green()) ||
                    qAbs(seen.green() - seen.blue()) <
                        qAbs(tabs->TabColour(tab).green() - tabs->TabColour(tab).blue()));
        }
        // The own tab always shows one of its two lists: its caption names it.
        const QString chosen = PageIdentity::All().at(tab).selector == PageIdentity::Selector::Own
                                   ? u"登録した文例"_qs
                                   : QString();
        if (searching) {
            QCOMPARE(page->CountLabel()->text(), QStringLiteral("%1 件").arg(count));
            QCOMPARE(page->CaptionLabel()->text(), SearchQuery(query).Caption(chosen));
        } else {
            QCOMPARE(page->CountLabel()->text(), QStringLiteral("0 件"));
            QCOMPARE(page->CaptionLabel()->text(), chosen);
        }
    }
}

void TestSearchWindow::pagesBuiltLaterTakeTheQuery()
{
    // Only the first page exists at the start; a query reaches all of them, and the
    // window keeps telling the tabs as a page's listing changes.
    Field()->setText(u"ｘｙｚｚｙ"_qs);
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        QCOMPARE(m_window->Page(tab)->Query().Typed(), u"ｘｙｚｚｙ"_qs);
        QVERIFY(m_window->TabBar()->IsTabDimmed(tab));
    }
    Field()->clear();
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        QVERIFY(m_window->Page(tab)->Query().IsEmpty());
        QVERIFY(!m_window->TabBar()->IsTabDimmed(tab));
        QVERIFY(m_window->TabBar()->tabToolTip(tab).isEmpty());
    }
}

QTEST_MAIN(TestSearchWindow)
#include "tst_searchwindow.moc"
