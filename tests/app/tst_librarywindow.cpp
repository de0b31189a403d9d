// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The user's library through the window: stars kept across a restart, own samples
// registered, edited, removed and put back, shared through a file, drafts kept and
// opened, and a library that cannot be read.
#include "CDlgTabJibun.h"
#include "CMyEdit.h"
#include "CategoryPage.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DeskLibrary.h"
#include "DraftEdit.h"
#include "Library.h"
#include "NoticeBar.h"
#include "OwnSampleDialog.h"
#include "Typing.h"
#include "WritingDesk.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestLibraryWindow : public QObject
{
    Q_OBJECT
private slots:
    void throughTheWindow_data();
    void throughTheWindow();
};

void TestLibraryWindow::throughTheWindow_data()
{
    QTest::addColumn<QString>("scenario");
    for (const char* name : {"star kept across a restart", "register, edit, remove, put back",
                             "export, then import into an empty library", "keep and open drafts",
                             "a library that is not one"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestLibraryWindow::throughTheWindow()
{
    QFETCH(QString, scenario);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/library.sqlite"));
    auto window = std::make_unique<Ctavoru_2Dlg>(nullptr, path);
    window->show();
    const auto own = [&window] {
        window->TabBar()->setCurrentIndex(Ctavoru_2Dlg::PageCount - 1);
        return qobject_cast<CDlgTabJibun*>(window->Page(Ctavoru_2Dlg::PageCount - 1));
    };
    const auto register_ = [&window](const QString& text, const QString& tags) {
        window->Desk()->Draft()->setPlainText(text);
        window->DeskCommands()->RegisterAction()->trigger();
        auto* dialog = qobject_cast<OwnSampleDialog*>(window->DeskCommands()->OpenDialog());
        QVERIFY(dialog);
        QCOMPARE(dialog->Title(), OwnSampleDialog::TitleFrom(text));
        dialog->TagsField()->setText(tags);
        dialog->accept();
    };

    if (scenario.startsWith(u"star")) {
        auto* page = qobject_cast<CategoryPage*>(window->Page(2));
        page->Choose(13);
        QVERIFY(!QFile::exists(path)); // shown, not yet kept
        page->TopStar()->click();
        window = std::make_unique<Ctavoru_2Dlg>(nullptr, path);
        page = qobject_cast<CategoryPage*>(window->Page(2));
        page->Choose(13);
        QVERIFY(page->TopStar()->isChecked());
        QVERIFY(!page->BottomStar()->isChecked());
        QCOMPARE(page->TopStar()->accessibleName(), QStringLiteral("お気に入り（上）"));
        CDlgTabJibun* favourites = own();
        favourites->Choose(CDlgTabJibun::Favourites);
        QCOMPARE(favourites->Matches().count(), 1);
        QVERIFY(favourites->TopSlot()->SampleText().startsWith(QStringLiteral("学部別推薦文　")));
    } else if (scenario.startsWith(u"register")) {
        register_(QStringLiteral("部活動で後輩を指導した経験。\n二行目"), QStringLiteral("部活動"));
        CDlgTabJibun* page = own();
        QCOMPARE(page->Matches().count(), 1);
        window->SearchField()->setText(QStringLiteral("後輩"));
        QCOMPARE(page->Matches().count(), 1);
        // A sample kept while searching is found, then again as the word grows.
        register_(QStringLiteral("後輩を励ました。"), QString());
        QCOMPARE(page->Matches().count(), 2);
        window->SearchField()->setText(QStringLiteral("後輩を"));
        QCOMPARE(page->Matches().count(), 2);
        window->UserLibrary()->RemoveSample(page->ShownSample(true)->id);
        window->SearchField()->setText(QStringLiteral("存在しない語"));
        QCOMPARE(page->Matches().count(), 0);
        window->SearchField()->clear();
        page->EditButton(true)->click();
        page->OpenDialog()->TextField()->setPlainText(QStringLiteral("改めた本文"));
        page->OpenDialog()->accept();
        QCOMPARE(page->ShownSample(true)->text, QStringLiteral("改めた本文"));
        const OwnSample before = *page->ShownSample(true);
        page->RemoveButton(true)->click();
        QCOMPARE(page->Matches().count(), 0);
        QVERIFY(window->Notice()->ActionButton()->isVisible());
        window->Notice()->ActionButton()->click();
        QCOMPARE(page->Matches().count(), 1);
        QCOMPARE(*page->ShownSample(true), before);
    } else if (scenario.startsWith(u"export")) {
        register_(QStringLiteral("一つ目の文例。\n\n# 二段落目"), QStringLiteral("甲 乙"));
        register_(QStringLiteral("　二つ目の文例。"), QString());
        window->UserLibrary()->SetStarred(QStringLiteral("jiko_001.pdf"), true);
        const QString file = dir.filePath(QStringLiteral("共有.txt"));
        own()->SetFileChooser([&file](QWidget*, bool) { return file; });
        own()->ExportButton()->click();
        auto other =
            std::make_unique<Ctavoru_2Dlg>(nullptr, dir.filePath(QStringLiteral("b.sqlite")));
        other->TabBar()->setCurrentIndex(Ctavoru_2Dlg::PageCount - 1);
        auto* page = qobject_cast<CDlgTabJibun*>(other->Page(Ctavoru_2Dlg::PageCount - 1));
        page->SetFileChooser([&file](QWidget*, bool) { return file; });
        for (const QString& told : {QStringLiteral("2 件を読み込みました（0 件は既にあります）"),
                                    QStringLiteral("0 件を読み込みました（2 件は既にあります）")}) {
            page->ImportButton()->click();
            QCOMPARE(other->Notice()->text(), told);
        }
        QCOMPARE(other->UserLibrary()->Export(), window->UserLibrary()->Export());
    } else if (scenario.startsWith(u"keep")) {
        QStringList asked;
        window->DeskCommands()->SetQuestion([&asked](QWidget*, const QString& question) {
            asked << question;
            return false;
        });
        const auto keep = [&window](const QString& name) {
            window->DeskCommands()->KeepAction()->trigger();
            QDialog* dialog = window->DeskCommands()->OpenDialog();
            dialog->findChild<QLineEdit*>(QStringLiteral("keepName"))->setText(name);
            dialog->accept();
        };
        window->Desk()->Draft()->setPlainText(QStringLiteral("佐藤さんの推薦文"));
        QVERIFY(!window->ExitOffersKeep());
        keep(QStringLiteral("佐藤"));
        window->Desk()->Draft()->setPlainText(QStringLiteral("山田さんの推薦文"));
        keep(QStringLiteral("山田"));
        QVERIFY(!window->Desk()->HasUnsavedText()); // kept counts as saved
        QVERIFY(window->ExitOffersKeep());
        keep(QStringLiteral("佐藤")); // another draft's name: asked, and the answer is no
        QCOMPARE(asked.size(), 1);
        QCOMPARE(window->UserLibrary()->Draft(QStringLiteral("佐藤"))->text,
                 QStringLiteral("佐藤さんの推薦文"));
        QCOMPARE(window->UserLibrary()->Drafts().first().name, QStringLiteral("山田"));
        Type(window->Desk()->Draft(), u"追記");
        QVERIFY(!window->DeskCommands()->Open(QStringLiteral("佐藤"))); // unsaved: asked, no
        QCOMPARE(asked.size(), 2);
        window->DeskCommands()->SetQuestion([](QWidget*, const QString&) { return true; });
        QVERIFY(window->DeskCommands()->Open(QStringLiteral("佐藤")));
        QCOMPARE(window->Desk()->Draft()->toPlainText(), QStringLiteral("佐藤さんの推薦文"));
        QVERIFY(!window->Desk()->HasUnsavedText());
    } else {
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("data"))));
        QFile garbage(path);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x01'));
        garbage.close();
        auto* page = qobject_cast<CategoryPage*>(window->Page(0));
        page->Choose(0); // the library is read here, and found wanting
        QVERIFY(window->Notice()->isVisible());
        QVERIFY(window->Notice()->text().contains(
            QStringLiteral("SQLite のデータベースではありません")));
        page->TopStar()->click();
        QVERIFY(!page->TopStar()->isChecked());
        QVERIFY(window->Notice()->text().contains(path));
        QCOMPARE(QFile(path).size(), 4096);
    }
}

QTEST_MAIN(TestLibraryWindow)
#include "tst_librarywindow.moc"
