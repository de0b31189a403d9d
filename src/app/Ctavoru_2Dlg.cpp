// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ctavoru_2Dlg.h"

#include "Artwork.h"
#include "CDlgTabJibun.h"
#include "ClickableLabel.h"
#include "ColouredTabBar.h"
#include "DeskLibrary.h"
#include "DialogUnits.h"
#include "LeanStyle.h"
#include "Library.h"
#include "NoticeBar.h"
#include "PageFactory.h"
#include "ProgramName.h"
#include "SamplePage.h"
#include "UiFonts.h"
#include "WritingDesk.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

Ctavoru_2Dlg::Ctavoru_2Dlg(QWidget* parent, const QString& libraryPath)
    : QDialog(parent),
      m_library(new Library(libraryPath.isEmpty() ? Library::DefaultPath() : libraryPath, this))
{
    setWindowTitle(ProgramName::Shown());
    setWindowIcon(Artwork::AppIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The program's font, not only the window's: a widget made before it joins the window
    // (and any dialog) would load the platform's default face, and its fallbacks, too.
    QApplication::setFont(UiFonts::Dialog());
    LeanStyle::Install();
    setFont(UiFonts::Dialog());
    setFixedSize(ClientSize);

    // The frame of the tab strip's display area, under the row of tabs.
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(2, 8 + ColouredTabBar::TabHeight, 989, 660 - ColouredTabBar::TabHeight);

    m_tabs = new ColouredTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    for (const PageIdentity::Page& page : PageIdentity::All()) {
        m_tabs->AddColouredTab(page.caption, QColor::fromRgb(QRgb(page.tabRgb)));
        m_pages << nullptr;
    }
    m_tabs->setGeometry(QRect(QPoint(2, 8), m_tabs->sizeHint()));

    m_guide = new ClickableLabel(this);
    m_guide->setObjectName(QStringLiteral("guide"));
    m_guide->setPixmap(Artwork::GuideButton());
    m_guide->setGeometry(QRect(QPoint(760, 5), Artwork::GuideButtonSize));
    m_guide->setAccessibleName(QStringLiteral("このソフトの使い方"));
    // The About line a screen reader can reach without opening the guide.
    m_guide->setAccessibleDescription(
        QStringLiteral("%1 バージョン%2。プログラムはGPL-3.0-or-later、文例・説明書・絵はCC0-1.0。"
                       "io.github.kiravelo.Kiravelo")
            .arg(ProgramName::Shown(), QStringLiteral(KIRAVELO_VERSION)));
    m_guide->SetAccessibleRole(QAccessible::Link);
    connect(m_guide, &ClickableLabel::clicked, this, &Ctavoru_2Dlg::OpenUsageGuide);

    m_exit = new QPushButton(QStringLiteral("終了"), this);
    m_exit->setObjectName(QStringLiteral("exit"));
    m_exit->setGeometry(DialogUnits::Rect(518, 2, 42, 18));
    m_exit->setAutoDefault(false);
    connect(m_exit, &QPushButton::clicked, this, &QDialog::accept);

    // In the free strip between the last tab and the guide picture, as tall as a tab.
    const QString searchName = QStringLiteral("文例を検索");
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setPlaceholderText(searchName);
    m_search->setAccessibleName(searchName);
    constexpr int SearchGap = 4;
    const int searchLeft = m_tabs->geometry().right() + 1 + SearchGap;
    m_search->setGeometry(searchLeft, m_tabs->y(), m_guide->x() - SearchGap - searchLeft,
                          ColouredTabBar::TabHeight);
    // The clear button shows only over typed text, and its picture is a file the style
    // decodes through the image plugins: it comes with the first character typed.
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& typed) {
        if (typed.isEmpty() || m_search->isClearButtonEnabled())
            return;
        m_search->setClearButtonEnabled(true);
        // Qt's clear button has a picture and no words of its own.
        for (QToolButton* clear : m_search->findChildren<QToolButton*>())
            clear->setAccessibleName(QStringLiteral("検索欄を空にする"));
    });
    connect(m_search, &QLineEdit::textChanged, this, &Ctavoru_2Dlg::ApplyQuery);

    m_notice = new NoticeBar(this);
    connect(m_library, &Library::Opened, this, &Ctavoru_2Dlg::ShowLibraryProblem);
    m_desk = new WritingDesk(this);
    m_deskLibrary = new DeskLibrary(m_desk, m_library);
    connect(m_deskLibrary, &DeskLibrary::Notify, m_notice,
            qOverload<const QString&>(&NoticeBar::ShowNotice));
    connect(m_desk, &WritingDesk::SaveFailed, this, [this](const QString& reason) {
        m_notice->ShowNotice(QStringLiteral("保存できませんでした：") + reason);
    });
    connect(m_desk, &WritingDesk::PrintFailed, this, [this](const QString& reason) {
        m_notice->ShowNotice(QStringLiteral("印刷できませんでした：") + reason);
    });

    connect(m_tabs, &QTabBar::currentChanged, this, &Ctavoru_2Dlg::ShowSelectedPage);
    ShowSelectedPage();
    m_exit->setFocus();

    // Enter, Escape and Backspace must not act anywhere in this window.
    qApp->installEventFilter(this);
}

Ctavoru_2Dlg::~Ctavoru_2Dlg()
{
    qApp->removeEventFilter(this);
}

SamplePage* Ctavoru_2Dlg::Page(int tab)
{
    if (!m_pages.at(tab))
        m_pages[tab] = CreatePage(tab);
    return m_pages[tab];
}

SamplePage* Ctavoru_2Dlg::CreatePage(int tab)
{
    const PageIdentity::Page& identity = PageIdentity::All().at(tab);
    SamplePage* page = PageFactory::Create(identity.folder, this);
    Q_ASSERT(page);
    page->hide();
    page->move(PageOrigin);
    page->setAccessibleName(identity.caption.trimmed());
    page->SetDocumentOpener(&m_documents);
    connect(page, &SamplePage::DocumentFailed, this, &Ctavoru_2Dlg::ReportDocumentFailure);
    page->SetQuery(m_query);
    connect(page, &SamplePage::Listed, this, &Ctavoru_2Dlg::ShowSearchOnTabs);
    connect(page, &SamplePage::AddToDraft, m_desk, &WritingDesk::Add);
    page->SetLibrary(m_library);
    connect(page, &SamplePage::LibraryFailed, m_notice,
            qOverload<const QString&>(&NoticeBar::ShowNotice));
    if (auto* own = qobject_cast<CDlgTabJibun*>(page)) {
        connect(own, &CDlgTabJibun::Notify, m_notice,
                qOverload<const QString&>(&NoticeBar::ShowNotice));
        connect(own, &CDlgTabJibun::Removed, this, [this](const OwnSample& sample) {
            m_notice->ShowNotice(
                QStringLiteral("「%1」を削除しました").arg(sample.title),
                QStringLiteral("元に戻す"),
                [this, sample] {
                    if (!m_library->RestoreSample(sample))
                        m_notice->ShowNotice(m_library->LastError());
                },
                UndoMilliseconds);
        });
    }
    // Keep the notice above every page, however late a page is built.
    m_notice->raise();
    return page;
}

void Ctavoru_2Dlg::ShowSelectedPage()
{
    const int selected = m_tabs->currentIndex();
    for (int i = 0; i < PageCount; ++i) {
        if (i == selected)
            Page(i)->show();
        else if (m_pages[i])
            m_pages[i]->hide();
    }
    // One desk, carried to the page in view with its draft, caret and history.
    m_desk->setParent(Page(selected));
    m_desk->move(WritingDesk::PageArea.topLeft());
    m_desk->show();
}

void Ctavoru_2Dlg::done(int result)
{
    if (m_desk->HasUnsavedText()) {
        switch (m_exitQuestion(this)) {
        case ExitQuestion::Choice::Save:
            if (!m_desk->Save())
                return;
            break;
        case ExitQuestion::Choice::Keep:
            // Without a name the keep dialog opens, and the window stays for it.
            if (!m_deskLibrary->KeepUnderName())
                return;
            break;
        case ExitQuestion::Choice::Discard:
            break;
        case ExitQuestion::Choice::Cancel:
            return;
        }
    }
    QDialog::done(result);
}

void Ctavoru_2Dlg::ApplyQuery(const QString& typed)
{
    m_query = SearchQuery(typed);
    // Every tab tells what it holds for the query, so every page takes it now; a page
    // is built for it the first time a query is not empty.
    for (int tab = 0; tab < PageCount; ++tab) {
        if (m_pages.at(tab) || !m_query.IsEmpty())
            Page(tab)->SetQuery(m_query);
    }
    ShowSearchOnTabs();
}

void Ctavoru_2Dlg::ShowSearchOnTabs()
{
    for (int tab = 0; tab < PageCount; ++tab) {
        const bool searching = !m_query.IsEmpty() && m_pages.at(tab);
        const int count = searching ? m_pages.at(tab)->Matches().count() : 0;
        m_tabs->SetTabDimmed(tab, searching && count == 0);
        m_tabs->SetTabDescription(tab, searching ? QStringLiteral("検索に該当 %1 件").arg(count)
                                                 : QString());
    }
}

void Ctavoru_2Dlg::OpenUsageGuide()
{
    const DocumentOpener::Result result = m_documents.OpenUsageGuide();
    if (result != DocumentOpener::Result::Opened)
        ReportDocumentFailure(QStringLiteral("riyou.pdf"), result);
}

void Ctavoru_2Dlg::ReportDocumentFailure(const QString& fileName, DocumentOpener::Result result)
{
    const QString what = fileName == QStringLiteral("riyou.pdf")
                             ? QStringLiteral("使い方の説明書（%1）").arg(fileName)
                             : QStringLiteral("文例のPDF（%1）").arg(fileName);
    if (result == DocumentOpener::Result::Missing)
        m_notice->ShowNotice(what + QStringLiteral("が見つかりません。"));
    else
        m_notice->ShowNotice(
            what + QStringLiteral(
                       "を開けませんでした。PDFを表示するアプリケーションを確認してください。"));
}

bool Ctavoru_2Dlg::OffersKeep() const
{
    return !m_deskLibrary->DraftName().isEmpty() || m_library->InUse();
}

void Ctavoru_2Dlg::ShowLibraryProblem()
{
    if (!m_library->Problem().isEmpty())
        m_notice->ShowNotice(m_library->Problem());
}

void Ctavoru_2Dlg::changeEvent(QEvent* event)
{
    // Another window of the program may have kept something meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_library->Reload();
    QDialog::changeEvent(event);
}

bool Ctavoru_2Dlg::eventFilter(QObject* watched, QEvent* event)
{
    // Text being written keeps its editing keys.
    const auto* editor = qobject_cast<QPlainTextEdit*>(watched);
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this && !(editor && !editor->isReadOnly())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The search field edits text: Backspace deletes there, Escape empties it.
        if (watched == m_search && key == Qt::Key_Backspace)
            return false;
        if (watched == m_search && key == Qt::Key_Escape) {
            m_search->clear();
            return true;
        }
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Backspace:
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
