// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The writing desk in the main window: one draft on every tab, the editing keys, the
// wheel and clicks inside it, a failed save told in the window, and the question
// before closing.
#include "CDlgTabKomoku2.h"
#include "CategoryPage.h"
#include "CheckGroup.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DraftEdit.h"
#include "NoticeBar.h"
#include "PagerScrollBar.h"
#include "SamplePage.h"
#include "SlotDraftControls.h"
#include "Typing.h"
#include "Wheel.h"
#include "WindowFixture.h"
#include "WritingDesk.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Choice = ExitQuestion::Choice;

QString Own(SamplePage* page, bool top)
{
    const int match = top ? page->Pager().topMatch() : page->Pager().bottomMatch();
    return page->Catalogue().at(page->Matches().at(match).catalogueIndex).text;
}

} // namespace

class TestDeskWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneDraftOnEveryTab();
    void editingKeysWorkInTheDraftOnly_data();
    void editingKeysWorkInTheDraftOnly();
    void theDeskKeepsItsWheelAndClicks_data();
    void theDeskKeepsItsWheelAndClicks();
    void failedSaveIsToldInTheWindow();
    void exitQuestion_data();
    void exitQuestion();

private:
    void Click(int tab)
    {
        QTest::mouseClick(m_window->TabBar(), Qt::LeftButton, {},
                          m_window->TabBar()->tabRect(tab).center());
    }

    WindowFixture m_fixture;
    Ctavoru_2Dlg* m_window = nullptr;
};

void TestDeskWindow::init()
{
    QVERIFY(m_fixture.Open());
    m_window = m_fixture.window.get();
}

void TestDeskWindow::cleanup()
{
    m_fixture.window.reset();
}

void TestDeskWindow::oneDraftOnEveryTab()
{
    SamplePage* first = m_window->Page(0);
    qobject_cast<CategoryPage*>(first)->Choose(0);
    QStringList expected{Own(first, true), Own(first, false)};
    QTest::mouseClick(first->TopDraftControls()->AddButton(), Qt::LeftButton);
    QTest::mouseClick(first->BottomDraftControls()->AddButton(), Qt::LeftButton);

    Click(1);
    auto* second = qobject_cast<CDlgTabKomoku2*>(m_window->Page(1));
    for (int id : {1003, 1007})
        QTest::mouseClick(second->Box(CheckGroup::PositionOf(id)), Qt::LeftButton, {},
                          QPoint(6, 6));
    QVERIFY(second->BottomDraftControls()->AddButton()->isEnabled());
    expected << Own(second, false) << Own(second, true);
    QTest::mouseClick(second->BottomDraftControls()->AddButton(), Qt::LeftButton);
    QTest::mouseClick(second->TopDraftControls()->AddButton(), Qt::LeftButton);

    const QString draft =
        expected.join(u'\n').replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    WritingDesk* desk = m_window->Desk();
    desk->Draft()->moveCursor(QTextCursor::Start);
    for (int tab : {0, 2, 3, 1}) {
        Click(tab);
        QCOMPARE(desk->parentWidget(), m_window->Page(tab));
        QVERIFY(desk->isVisible());
        QCOMPARE(desk->pos(), WritingDesk::PageArea.topLeft());
        QCOMPARE(desk->Draft()->toPlainText(), draft);
        // The caret travels with it.
        QCOMPARE(desk->Draft()->textCursor().position(), 0);
    }
}

void TestDeskWindow::editingKeysWorkInTheDraftOnly_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("draft");
    QTest::newRow("Enter") << int(Qt::Key_Return) << QStringLiteral("文例\n");
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << QStringLiteral("文例\n");
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << QStringLiteral("文");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << QStringLiteral("文例");
}

void TestDeskWindow::editingKeysWorkInTheDraftOnly()
{
    QFETCH(int, key);
    QFETCH(QString, draft);
    WritingDesk* desk = m_window->Desk();
    desk->Add(QStringLiteral("文例"));
    QTest::keyClick(desk->Draft(), Qt::Key(key));
    QCOMPARE(desk->Draft()->toPlainText(), draft);
    QVERIFY(m_window->isVisible());
    // Elsewhere in the window the key still does nothing.
    QTest::keyClick(desk->CopyButton(), Qt::Key(key));
    QTest::keyClick(m_window->ExitButton(), Qt::Key(key));
    QVERIFY(m_window->isVisible());
    QCOMPARE(desk->Draft()->toPlainText(), draft);
    QCOMPARE(m_fixture.asked, 0);
}

void TestDeskWindow::theDeskKeepsItsWheelAndClicks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("focused"); // the target has the keys first
    QTest::addColumn<int>("limit");    // the limit after a turn down from 上限なし
    QTest::newRow("draft at its end") << "draft" << true << 0;
    QTest::newRow("limit chooser without the keys") << "limit" << false << 0;
    QTest::newRow("limit chooser with the keys") << "limit" << true << 200;
    QTest::newRow("count label") << "count" << false << 0;
    QTest::newRow("copy button") << "copy" << false << 0;
    QTest::newRow("the desk's empty space") << "desk" << false << 0;
}

void TestDeskWindow::theDeskKeepsItsWheelAndClicks()
{
    QFETCH(QString, target);
    QFETCH(bool, focused);
    Click(2);
    auto* page = qobject_cast<CategoryPage*>(m_window->Page(2));
    for (int field = 0; field < 46 && page->Pager().maximum() == 0; ++field)
        page->Choose(field);
    QVERIFY(page->Pager().maximum() > 0);
    WritingDesk* desk = m_window->Desk();
    desk->Add(QString(40, u'行').append(u'\n').repeated(30));
    desk->Draft()->verticalScrollBar()->setValue(desk->Draft()->verticalScrollBar()->maximum());
    QWidget* widget = target == "draft"   ? desk->Draft()->viewport()
                      : target == "limit" ? desk->LimitChooser()
                      : target == "count" ? desk->CountLabel()
                      : target == "copy"  ? static_cast<QWidget*>(desk->CopyButton())
                                          : desk;
    m_window->ExitButton()->setFocus();
    if (focused)
        widget->setFocus();
    const int before = page->Pager().position();
    SendWheel(widget, QPoint(0, -120));
    QCOMPARE(page->Pager().position(), before);
    QTEST(desk->Limit(), "limit");
    // A click there leaves the keys where they were, never with the pager.
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!page->ScrollBar()->hasFocus());
}

void TestDeskWindow::failedSaveIsToldInTheWindow()
{
    WritingDesk* desk = m_window->Desk();
    desk->Add(QStringLiteral("下書き"));
    QTemporaryDir folder;
    desk->File().SetChooser(
        [&folder](QWidget*) { return folder.filePath(QStringLiteral("none/下書き.txt")); });
    QTest::mouseClick(desk->SaveButton(), Qt::LeftButton);
    QVERIFY(m_window->Notice()->isVisible());
    QCOMPARE(m_window->Notice()->text(),
             QStringLiteral("保存できませんでした：No such file or directory"));
    QVERIFY(desk->HasUnsavedText());
}

void TestDeskWindow::exitQuestion_data()
{
    QTest::addColumn<QString>("before"); // what the user did to the draft
    QTest::addColumn<bool>("byCloseBox");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    const int discard = int(Choice::Discard);
    const int cancel = int(Choice::Cancel);
    const int save = int(Choice::Save);
    QTest::newRow("untouched") << QString() << false << cancel << false << true;
    QTest::newRow("added, exit, cancel") << "add" << false << cancel << true << false;
    QTest::newRow("added, close box, cancel") << "add" << true << cancel << true << false;
    QTest::newRow("added, exit, discard") << "add" << false << discard << true << true;
    QTest::newRow("added, close box, discard") << "add" << true << discard << true << true;
    QTest::newRow("added, save") << "add" << false << save << true << true;
    QTest::newRow("added, save fails") << "add unsavable" << false << save << true << false;
    QTest::newRow("copied") << "add copy" << false << cancel << false << true;
    QTest::newRow("saved") << "add save" << true << cancel << false << true;
    QTest::newRow("typed after copying") << "add copy type" << false << cancel << true << false;
    QTest::newRow("cleared") << "add clear" << false << cancel << false << true;
}

void TestDeskWindow::exitQuestion()
{
    QFETCH(QString, before);
    QFETCH(bool, byCloseBox);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    WritingDesk* desk = m_window->Desk();
    QTemporaryDir folder;
    const QString path = folder.filePath(before.contains(QStringLiteral("unsavable"))
                                             ? QStringLiteral("none/下書き.txt")
                                             : QStringLiteral("下書き.txt"));
    desk->File().SetChooser([path](QWidget*) { return path; });
    for (const QString& step : before.split(u' ', Qt::SkipEmptyParts)) {
        if (step == QStringLiteral("add"))
            desk->Add(QStringLiteral("○○高校の生徒です。"));
        else if (step == QStringLiteral("copy"))
            QTest::mouseClick(desk->CopyButton(), Qt::LeftButton);
        else if (step == QStringLiteral("save"))
            QTest::mouseClick(desk->SaveButton(), Qt::LeftButton);
        else if (step == QStringLiteral("type"))
            Type(desk->Draft(), QStringLiteral("北"));
        else if (step == QStringLiteral("clear"))
            desk->ClearAction()->trigger();
    }
    const QString draft = desk->Draft()->toPlainText();
    m_fixture.answer = Choice(answer);
    if (byCloseBox)
        m_window->close();
    else
        QTest::mouseClick(m_window->ExitButton(), Qt::LeftButton);
    QCOMPARE(m_fixture.asked, asked ? 1 : 0);
    QCOMPARE(!m_window->isVisible(), closed);
    QCOMPARE(desk->Draft()->toPlainText(), draft);
    if (closed && !byCloseBox)
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestDeskWindow)
#include "tst_deskwindow.moc"
