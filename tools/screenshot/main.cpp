// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window offscreen, one PNG per tab and one of a search, each in a
// state a user would reach, so the program can be looked at without a display.
#include "CDlgTabJibun.h"
#include "CDlgTabKomoku2.h"
#include "CMyEdit.h"
#include "CatalogueData.h"
#include "CategoryPage.h"
#include "CheckGroup.h"
#include "ColouredTabBar.h"
#include "Ctavoru_2Dlg.h"
#include "DraftText.h"
#include "Library.h"
#include "ManuscriptView.h"
#include "SamplePage.h"
#include "SlotDraftControls.h"
#include "WritingDesk.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

void Prepare(Ctavoru_2Dlg& window, int tab)
{
    SamplePage* page = window.Page(tab);
    auto* byCategory = qobject_cast<CategoryPage*>(page);
    switch (tab) {
    case 0:
        byCategory->Choose(0);
        break;
    case 1:
        // Two humanities ticks: four matches, and only the boxes that still match stay live.
        if (auto* komoku2 = qobject_cast<CDlgTabKomoku2*>(page)) {
            for (int id : {1003, 1007})
                komoku2->Box(CheckGroup::PositionOf(id))->click();
        }
        break;
    case 2:
        byCategory->Choose(13);
        break;
    case 3:
        byCategory->Choose(14);
        break;
    case 4:
        // A teacher's own samples, newest first, and a star on the first tab.
        if (auto* own = qobject_cast<CDlgTabJibun*>(page)) {
            Library* library = window.UserLibrary();
            library->SetStarred(
                CatalogueData::ForFolder(QStringLiteral("koumoku1")).records.first().pdfName, true);
            library->AddSample(
                QStringLiteral("生徒会での調整力"),
                QStringLiteral("　本生徒は、生徒会副会長として各委員会の意見を丁寧に聞き取り、"
                               "年間行事の日程を調整しました。○○件の要望を一覧に整理し、"
                               "関係する教員と生徒の双方が納得できる案をまとめた姿勢は、"
                               "周囲から厚い信頼を得ています。"),
                QStringLiteral("生徒会 調整力"));
            const std::optional<qint64> newest = library->AddSample(
                QStringLiteral("理科の探究活動"),
                QStringLiteral("　本生徒は、校内の池の水質を一年間にわたり毎週測定し、"
                               "季節による変化をグラフにまとめました。"
                               "測定の誤差を減らすために手順書を自ら改め、"
                               "後輩にも引き継げる形で記録を残しています。"),
                QStringLiteral("理科 探究"));
            if (newest)
                library->SetStarred(QStringLiteral("own:%1").arg(*newest), true);
            own->Choose(CDlgTabJibun::Registered);
        }
        break;
    default:
        break;
    }
}

// The writing desk at work on tab 1: both samples of a pair added, the lower one with
// fill-in marks, a 400 字 limit set and the first mark selected for typing over.
void PrepareDesk(Ctavoru_2Dlg& window)
{
    window.TabBar()->setCurrentIndex(1);
    SamplePage* page = window.Page(1);
    for (int position = 0; position <= page->Pager().maximum(); ++position) {
        page->ShowPosition(position);
        if (page->BottomSlot()->SampleText().contains(DraftText::Placeholder))
            break;
    }
    page->TopDraftControls()->AddButton()->click();
    page->BottomDraftControls()->AddButton()->click();
    WritingDesk* desk = window.Desk();
    desk->LimitChooser()->setCurrentIndex(desk->LimitChooser()->findData(400));
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    // The documents the pictured program finds, as an installed one does; without them
    // the numbered tabs would head every sample with its missing PDF's name.
    const QString documents = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    // The pictured library lives and dies with this run, never the user's.
    QTemporaryDir data;
    const QString library = data.filePath(QStringLiteral("library.sqlite"));
    Ctavoru_2Dlg window(nullptr, library);
    if (!documents.isEmpty())
        window.Documents().SetDocumentFolder(documents);
    window.show();
    QTextStream out(stdout);
    for (int tab = 0; tab < Ctavoru_2Dlg::PageCount; ++tab) {
        window.TabBar()->setCurrentIndex(tab);
        Prepare(window, tab);
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(QStringLiteral("tab%1.png").arg(tab));
        if (!window.grab().save(file)) {
            QTextStream(stderr) << "screenshot: cannot write " << file << '\n';
            return 1;
        }
        out << file << '\n';
    }
    PrepareDesk(window);
    QApplication::processEvents();
    const QString desk = QDir(folder).filePath(QStringLiteral("desk.png"));
    if (!window.grab().save(desk)) {
        QTextStream(stderr) << "screenshot: cannot write " << desk << '\n';
        return 1;
    }
    out << desk << '\n';

    // The gathered draft on a 400字詰め sheet: the desk counting lines, and the view
    // that "原稿用紙で見る" opens beside the window.
    QComboBox* chooser = window.Desk()->LimitChooser();
    chooser->setCurrentIndex(chooser->findText(ManuscriptGrid::Forms().first().Label()));
    ManuscriptView* grid = window.Desk()->ShowGrid();
    QApplication::processEvents();
    for (const auto& [name, widget] :
         {std::pair{QStringLiteral("desk-grid.png"), static_cast<QWidget*>(&window)},
          std::pair{QStringLiteral("grid.png"), static_cast<QWidget*>(grid)}}) {
        const QString file = QDir(folder).filePath(name);
        if (!widget->grab().save(file)) {
            QTextStream(stderr) << "screenshot: cannot write " << file << '\n';
            return 1;
        }
        out << file << '\n';
    }
    grid->close();

    // A search on a fresh window: the first tab lists the samples holding the word,
    // with the hits marked, and the tabs that hold none are dimmed.
    QTemporaryDir emptyData;
    Ctavoru_2Dlg searching(nullptr, emptyData.filePath(QStringLiteral("library.sqlite")));
    if (!documents.isEmpty())
        searching.Documents().SetDocumentFolder(documents);
    searching.show();
    searching.activateWindow();
    searching.SearchField()->setFocus();
    searching.SearchField()->setText(QStringLiteral("探究"));
    // The field's clear button fades in.
    QEventLoop settle;
    QTimer::singleShot(400, &settle, &QEventLoop::quit);
    settle.exec();
    const QString file = QDir(folder).filePath(QStringLiteral("search.png"));
    if (!searching.grab().save(file)) {
        QTextStream(stderr) << "screenshot: cannot write " << file << '\n';
        return 1;
    }
    out << file << '\n';
    return 0;
}
