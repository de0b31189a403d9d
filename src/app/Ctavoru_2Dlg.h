#pragma once

#include "DocumentOpener.h"
#include "PageIdentity.h"
#include "SearchQuery.h"

#include <QDialog>
#include <QList>

class ClickableLabel;
class ColouredTabBar;
class NoticeBar;
class QLineEdit;
class QPushButton;
class SamplePage;

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

    explicit Ctavoru_2Dlg(QWidget* parent = nullptr);
    ~Ctavoru_2Dlg() override;

    ColouredTabBar* TabBar() const { return m_tabs; }
    // A page is built the first time it is shown or asked for, so the window opens
    // without waiting for the pages behind the other tabs.
    SamplePage* Page(int tab);
    QPushButton* ExitButton() const { return m_exit; }
    ClickableLabel* GuideLink() const { return m_guide; }
    NoticeBar* Notice() const { return m_notice; }
    // The one search of every tab, in the strip beside the tabs.
    QLineEdit* SearchField() const { return m_search; }
    // The opener the window and every page use; tests point it elsewhere.
    DocumentOpener& Documents() { return m_documents; }

    // Tells the user, inside the window, that a document did not open.
    void ReportDocumentFailure(const QString& fileName, DocumentOpener::Result result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSelectedPage();
    SamplePage* CreatePage(int tab);
    void OpenUsageGuide();
    void ApplyQuery(const QString& typed);
    void ShowSearchOnTabs();

    DocumentOpener m_documents;
    ColouredTabBar* m_tabs;
    QList<SamplePage*> m_pages;
    QPushButton* m_exit;
    ClickableLabel* m_guide;
    NoticeBar* m_notice;
    QLineEdit* m_search;
    SearchQuery m_query;
};
