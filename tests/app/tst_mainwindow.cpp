// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CMyEdit.h"
#include "CategoryPage.h"
#include "ChoiceColumn.h"
#include "ClickableLabel.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DocumentOpener.h"
#include "FieldSelector.h"
#include "FieldTable.h"
#include "NoticeBar.h"
#include "PagerScrollBar.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// How far `pixel` lies from `fill` towards white, measured on the channel with the most room.
double TowardsWhite(const QColor& pixel, const QColor& fill)
{
    const int channels[3][2] = {
        {pixel.red(), fill.red()}, {pixel.green(), fill.green()}, {pixel.blue(), fill.blue()}};
    int room = 0;
    double t = 0;
    for (const auto& c : channels) {
        if (255 - c[1] > room) {
            room = 255 - c[1];
            t = double(c[0] - c[1]) / room;
        }
    }
    return t;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void windowGeometry();
    void exactlyOneVisiblePage();
    void pageKeepsItsStateAcrossSwitches();
    void arrowKeysSwitchTabs();
    void keysThatDoNothing_data();
    void keysThatDoNothing();
    void exitButtonEnds_data();
    void exitButtonEnds();
    void tabsArePaintedInTheirColours_data();
    void tabsArePaintedInTheirColours();
    void usageGuideOpensOrTellsWhy();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void noticeGoesAwayByItself();
    void noticeStaysAboveALaterPage();

private:
    void VerifyOnlyVisible(int tab);

    Ctavoru_2Dlg* m_window = nullptr;
    QTemporaryDir m_documents;
    WindowFixture m_fixture;
};

void TestMainWindow::init()
{
    QVERIFY(m_fixture.Open(m_documents.path()));
    m_window = m_fixture.window.get();
}

void TestMainWindow::cleanup()
{
    m_fixture.window.reset();
    QFile::remove(QDir(m_documents.path()).filePath(QStringLiteral("riyou.pdf")));
}

void TestMainWindow::VerifyOnlyVisible(int tab)
{
    QCOMPARE(m_window->TabBar()->currentIndex(), tab);
    for (int i = 0; i < Ctavoru_2Dlg::PageCount; ++i)
        QCOMPARE(m_window->Page(i)->isVisible(), i == tab);
}

void TestMainWindow::windowGeometry()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("KiraveloVer2"));
    QCOMPARE(m_window->size(), QSize(992, 669));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!m_window->windowIcon().isNull());
    const QStringList captions = {QStringLiteral("項目別推薦文(推薦・志望理由)　"),
                                  QStringLiteral("項目別推薦文(学業／人物／課外活動)　"),
                                  QStringLiteral("学部別推薦文　"), QStringLiteral("自己推薦文　"),
                                  QStringLiteral("自分の文例　")};
    QCOMPARE(m_window->TabBar()->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(m_window->TabBar()->tabText(i), captions.at(i));
        QCOMPARE(m_window->TabBar()->tabRect(i).height(), 24);
        QCOMPARE(m_window->Page(i)->geometry(), QRect(4, 36, 984, 630));
    }
    // Nothing overlaps the tabs: the guide picture and the exit button sit to their right.
    const QRect lastTab = m_window->TabBar()->tabRect(4).translated(m_window->TabBar()->pos());
    QVERIFY(lastTab.right() < m_window->GuideLink()->geometry().left());
    QCOMPARE(m_window->GuideLink()->geometry(), QRect(760, 5, 137, 23));
    QCOMPARE(m_window->ExitButton()->text(), QStringLiteral("終了"));
}

void TestMainWindow::exactlyOneVisiblePage()
{
    VerifyOnlyVisible(0);
    for (int tab : {2, 1, 3, 0, 3}) {
        QTest::mouseClick(m_window->TabBar(), Qt::LeftButton, {},
                          m_window->TabBar()->tabRect(tab).center());
        VerifyOnlyVisible(tab);
    }
}

void TestMainWindow::pageKeepsItsStateAcrossSwitches()
{
    auto* page = qobject_cast<CategoryPage*>(m_window->Page(0));
    page->Choose(2);
    page->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    const QString top = page->TopSlot()->SampleText();
    const QString count = page->CountLabel()->text();
    QCOMPARE(page->Pager().position(), 1);

    m_window->TabBar()->setCurrentIndex(2);
    VerifyOnlyVisible(2);
    m_window->TabBar()->setCurrentIndex(0);
    VerifyOnlyVisible(0);
    QCOMPARE(page->CaptionLabel()->text(), QStringLiteral("文学部　＞　心理学分野"));
    QCOMPARE(page->CountLabel()->text(), count);
    QCOMPARE(page->Pager().position(), 1);
    QCOMPARE(page->ScrollBar()->value(), 1);
    QCOMPARE(page->TopSlot()->SampleText(), top);
}

void TestMainWindow::arrowKeysSwitchTabs()
{
    ColouredTabBar* tabs = m_window->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    QVERIFY(tabs->hasFocus());
    VerifyOnlyVisible(1);
    QTest::keyClick(tabs, Qt::Key_Right);
    VerifyOnlyVisible(2);
    QTest::keyClick(tabs, Qt::Key_Right);
    VerifyOnlyVisible(3);
    QTest::keyClick(tabs, Qt::Key_Left);
    QTest::keyClick(tabs, Qt::Key_Left);
    QTest::keyClick(tabs, Qt::Key_Left);
    VerifyOnlyVisible(0);
}

void TestMainWindow::keysThatDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    for (auto [key, name] : {std::pair{int(Qt::Key_Return), "Enter"},
                             {int(Qt::Key_Enter), "keypad Enter"},
                             {int(Qt::Key_Escape), "Escape"},
                             {int(Qt::Key_Backspace), "Backspace"}}) {
        for (const char* focus : {"exit", "topSlot", "pager", "tabs"})
            QTest::newRow(qPrintable(
                QStringLiteral("%1 on %2").arg(QLatin1String(name), QLatin1String(focus))))
                << key << QString::fromLatin1(focus);
    }
}

void TestMainWindow::keysThatDoNothing()
{
    QFETCH(int, key);
    QFETCH(QString, focus);
    auto* page = qobject_cast<CategoryPage*>(m_window->Page(0));
    page->Choose(0);
    const QString count = page->CountLabel()->text();
    QWidget* target = m_window->findChild<QWidget*>(focus);
    QVERIFY(target);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->result(), 0);
    QVERIFY(page->isVisible());
    QCOMPARE(page->CountLabel()->text(), count);
    QVERIFY(m_fixture.opened.isEmpty());
}

void TestMainWindow::exitButtonEnds_data()
{
    QTest::addColumn<bool>("bySpace");
    QTest::newRow("click") << false;
    QTest::newRow("space") << true;
}

void TestMainWindow::exitButtonEnds()
{
    QFETCH(bool, bySpace);
    QPushButton* exit = m_window->ExitButton();
    if (bySpace) {
        exit->setFocus();
        QTest::keyClick(exit, Qt::Key_Space);
    } else {
        QTest::mouseClick(exit, Qt::LeftButton);
    }
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Accepted));
}

void TestMainWindow::tabsArePaintedInTheirColours_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("0") << 0 << QColor(255, 0, 102);
    QTest::newRow("1") << 1 << QColor(51, 153, 255);
    QTest::newRow("2") << 2 << QColor(143, 213, 0);
    QTest::newRow("3") << 3 << QColor(255, 153, 0);
}

void TestMainWindow::tabsArePaintedInTheirColours()
{
    QFETCH(int, tab);
    QFETCH(QColor, colour);
    ColouredTabBar* tabs = m_window->TabBar();
    // Selected or not, a tab looks the same.
    for (int selected : {tab, (tab + 1) % 4}) {
        tabs->setCurrentIndex(selected);
        const QImage image = tabs->grab().toImage();
        const QRect r = tabs->tabRect(tab);
        int white = 0;
        int coloured = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == colour) {
                    ++coloured;
                } else if (TowardsWhite(pixel, colour) >= 0.5) {
                    // Caption ink: antialiased glyphs blend white into the fill.
                    ++white;
                    // The caption starts 8 px in and 7 px down from the tab's corner.
                    QVERIFY2(
                        x >= r.left() + 8 && y >= r.top() + 7,
                        qPrintable(
                            QStringLiteral("white at %1,%2").arg(x - r.left()).arg(y - r.top())));
                }
            }
        }
        QVERIFY2(coloured > r.width() * r.height() / 2, "the tab is not filled with its colour");
        QVERIFY2(white > 20, "no white caption");
        QCOMPARE(image.pixelColor(r.left() + 1, r.top() + 1), colour);
        QCOMPARE(image.pixelColor(r.right() - 1, r.bottom() - 1), colour);
    }
}

void TestMainWindow::usageGuideOpensOrTellsWhy()
{
    ClickableLabel* guide = m_window->GuideLink();
    QTest::mouseClick(guide, Qt::LeftButton);
    QVERIFY(m_fixture.opened.isEmpty());
    QVERIFY(m_window->Notice()->isVisible());
    QVERIFY(m_window->Notice()->text().contains(QStringLiteral("riyou.pdf")));
    QVERIFY(m_window->isVisible());
    // The notice stays inside the window and leaves the tabs usable.
    QVERIFY(m_window->rect().contains(m_window->Notice()->geometry()));
    QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == m_window);

    QFile file(QDir(m_documents.path()).filePath(QStringLiteral("riyou.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_window->Notice()->hide();
    QTest::mouseClick(guide, Qt::LeftButton);
    QCOMPARE(m_fixture.opened.size(), 1);
    QCOMPARE(m_fixture.opened.first().toLocalFile(),
             QDir(m_documents.path()).filePath(QStringLiteral("riyou.pdf")));
    QVERIFY(!m_window->Notice()->isVisible());
}

void TestMainWindow::doubleClickIsOneClick_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("usage guide") << QStringLiteral("guide");
    QTest::newRow("faculty label") << QStringLiteral("label");
    QTest::newRow("faculty arrow") << QStringLiteral("arrow");
}

void TestMainWindow::doubleClickIsOneClick()
{
    QFETCH(QString, target);
    QFile file(QDir(m_documents.path()).filePath(QStringLiteral("riyou.pdf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const FieldSelector* selector = m_window->Page(0)->findChild<FieldSelector*>();
    const int direct = 11; // 医学・歯学部: its one field is taken at once
    const bool guide = target == QStringLiteral("guide");
    QWidget* widget = guide ? static_cast<QWidget*>(m_window->GuideLink()) : selector->Column();
    const QPoint at = guide ? widget->rect().center()
                      : target == QStringLiteral("arrow")
                          ? selector->Column()->ArrowRect(direct).center()
                          : selector->Column()->TextRect(direct).center();
    QSignalSpy guideClicks(m_window->GuideLink(), &ClickableLabel::clicked);
    QSignalSpy choiceClicks(selector->Column(), &ChoiceColumn::Clicked);
    // Through the window system, which turns the second press into a double click.
    QTest::mouseDClick(m_window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(m_window, at));
    QCOMPARE(guideClicks.size() + choiceClicks.size(), 1);
    QCOMPARE(m_fixture.opened.size(), target == QStringLiteral("guide") ? 1 : 0);
}

void TestMainWindow::noticeGoesAwayByItself()
{
    m_window->ReportDocumentFailure(QStringLiteral("riyou.pdf"), DocumentOpener::Result::Missing);
    NoticeBar* notice = m_window->Notice();
    QVERIFY(notice->isVisible());
    auto* timer = notice->findChild<QTimer*>(QStringLiteral("noticeTimer"));
    QVERIFY(timer && timer->isActive() && timer->isSingleShot());
    QCOMPARE(timer->interval(), 8000);
    QVERIFY(timer->remainingTime() > 7000);
    timer->start(0); // the eight seconds, without waiting them out
    QTRY_VERIFY(!notice->isVisible());
}

void TestMainWindow::noticeStaysAboveALaterPage()
{
    m_window->ReportDocumentFailure(QStringLiteral("riyou.pdf"), DocumentOpener::Result::Missing);
    // Built while the notice shows: it must not cover it.
    m_window->TabBar()->setCurrentIndex(3);
    NoticeBar* notice = m_window->Notice();
    QVERIFY(notice->geometry().intersects(m_window->Page(3)->geometry()));
    QCOMPARE(m_window->childAt(notice->geometry().center()), notice);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
