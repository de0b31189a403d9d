// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentOpener.h"
#include "ExitQuestion.h"
#include "PageIdentity.h"
#include "SearchQuery.h"

#include <QDialog>
#include <QList>
#include <functional>

class ClickableLabel;
class Library;
class ColouredTabBar;
class DeskLibrary;
class NoticeBar;
class QLineEdit;
class QPushButton;
class SamplePage;
class WritingDesk;

// The main window: a coloured tab for each page of the page identity table, in its
// order, the search field every page follows, the exit button and the picture that
// opens the usage guide.
class Ctavoru_2Dlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr QSize ClientSize{992, 669};
    static constexpr QPoint PageOrigin{4, 36};
    static inline const int PageCount = int(PageIdentity::All().size());
    // How long a removed own sample can be put back from the notice.
    static constexpr int UndoMilliseconds = 10000;

    // `libraryPath`: where the user's library is kept (Library::DefaultPath() when empty).
    explicit Ctavoru_2Dlg(QWidget* parent = nullptr, const QString& libraryPath = QString());
    ~Ctavoru_2Dlg() override;

    ColouredTabBar* TabBar() const { return m_tabs; }
    // A page is built the first time it is shown or asked for, so the window opens
    // without waiting for the pages behind the other tabs.
    SamplePage* Page(int tab);
    QPushButton* ExitButton() const { return m_exit; }
    ClickableLabel* GuideLink() const { return m_guide; }
    NoticeBar* Notice() const { return m_notice; }
    // The opener the window and every page use; tests point it elsewhere.
    DocumentOpener& Documents() { return m_documents; }
    // The one search of every tab, in the strip beside the tabs.
    QLineEdit* SearchField() const { return m_search; }
    // What the user keeps: stars, own samples, kept drafts. Opened when first needed.
    Library* UserLibrary() const { return m_library; }
    // The draft shared by every page; it shows on the current one.
    WritingDesk* Desk() const { return m_desk; }
    // The desk's 登録…, 下書きを保管… and 保管した下書き….
    DeskLibrary* DeskCommands() const { return m_deskLibrary; }
    // Replaces the question asked before closing on an unsaved draft (tests answer it;
    // `offersKeep` tells whether 保管 would be offered).
    void SetExitQuestion(std::function<ExitQuestion::Choice(QWidget*)> question)
    {
        m_exitQuestion = std::move(question);
    }
    bool ExitOffersKeep() const { return OffersKeep(); }

    // Tells the user, inside the window, that a document did not open.
    void ReportDocumentFailure(const QString& fileName, DocumentOpener::Result result);

    // Closing (終了 or the close box) first offers to save an unsaved draft.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowSelectedPage();
    SamplePage* CreatePage(int tab);
    void OpenUsageGuide();
    void ApplyQuery(const QString& typed);
    void ShowSearchOnTabs();
    void ShowLibraryProblem();
    bool OffersKeep() const;

    DocumentOpener m_documents;
    Library* m_library;
    ColouredTabBar* m_tabs;
    QList<SamplePage*> m_pages;
    QPushButton* m_exit;
    ClickableLabel* m_guide;
    NoticeBar* m_notice;
    QLineEdit* m_search;
    SearchQuery m_query;
    WritingDesk* m_desk;
    DeskLibrary* m_deskLibrary;
    // 保管 is offered beside 保存… when the draft has a name or the library is in use.
    std::function<ExitQuestion::Choice(QWidget*)> m_exitQuestion = [this](QWidget* parent) {
        return ExitQuestion::Ask(parent, OffersKeep());
    };
};
