// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DocumentOpener.h"
#include "MatchList.h"
#include "ResultPager.h"
#include "SampleRecord.h"
#include "SearchIndex.h"
#include "SearchQuery.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>

class CMyEdit;
class Library;
class MultiLineButton;
class PagerScrollBar;
class QLabel;
class QToolButton;
class SlotDraftControls;

// What every page shares: the header with the selection caption and the count, the
// two sample slots, the pager and the two PDF buttons. A page states its parameters,
// adds its own selector and keeps what the user has selected; the records it lists
// are always those the catalogue core picks for that selection (SelectedRecords).
class SamplePage : public QWidget
{
    Q_OBJECT
public:
    struct Parameters
    {
        QColor colour;  // behind the selector column
        QString folder; // document sub-folder of the samples
        // In the order matches are listed; the folder's compiled-in catalogue when unset.
        std::optional<QList<SampleRecord>> catalogue;
        int topButtonY = 203;     // dialog units; the numbered pages sit it lower
        bool headed = false;      // a heading of the page's own (SlotHeading) above the text
        QList<QRect> extraBlocks; // further block-coloured rectangles, pixels
    };

    static constexpr QColor HeaderColour{51, 51, 51};
    static constexpr QColor BlockColour{127, 157, 185};
    static constexpr QSize PageSize{984, 630};
    static const QString ButtonCaption;

    SamplePage(Parameters parameters, QWidget* parent);
    ~SamplePage() override;

    // Lists afresh what the page's selection selects and shows the first two.
    void Refresh();
    // Moves the pager to `position` (kept within range) and fills both slots from it.
    void ShowPosition(int position);
    // The caption of the page's selection; a search adds its query to what is shown.
    void SetCaption(const QString& caption);
    // Where the PDF buttons look for documents and how they hand them over: the
    // window lends its own opener; until then the page uses one of its own.
    void SetDocumentOpener(const DocumentOpener* opener);
    const DocumentOpener& Documents() const { return *m_documents; }
    // The user's library, which keeps the stars; lent by the window like the opener.
    // It is opened the first time a slot shows a sample.
    void SetLibrary(Library* library);
    Library* UserLibrary() const { return m_library; }
    // Narrows what the page lists to the records holding every word of `query`, or
    // with nothing selected lists every record that does; an empty query lists the
    // selection alone. Only a change of words lists afresh.
    void SetQuery(const SearchQuery& query);
    const SearchQuery& Query() const { return m_query; }

    const Parameters& parameters() const { return m_parameters; }
    const QList<SampleRecord>& Catalogue() const { return m_catalogue; }
    // The colour of this page's tab, which its arrows share.
    QColor TabColour() const;
    // The colour of its title banner and headings.
    QColor BannerColour() const;
    // This page's title banner text.
    QString Title() const;
    const MatchList& Matches() const { return m_matches; }
    const ResultPager& Pager() const { return m_pager; }
    QString TopPdfName() const;
    QString BottomPdfName() const;

    CMyEdit* TopSlot() const { return m_topSlot; }
    CMyEdit* BottomSlot() const { return m_bottomSlot; }
    MultiLineButton* TopButton() const { return m_topButton; }
    MultiLineButton* BottomButton() const { return m_bottomButton; }
    PagerScrollBar* ScrollBar() const { return m_scrollBar; }
    QLabel* CaptionLabel() const { return m_caption; }
    QLabel* CountLabel() const { return m_count; }
    SlotDraftControls* TopDraftControls() const { return m_topDraft; }
    SlotDraftControls* BottomDraftControls() const { return m_bottomDraft; }
    QToolButton* TopStar() const { return m_topStar; }
    QToolButton* BottomStar() const { return m_bottomStar; }

signals:
    // A PDF button's document could not be handed to a viewer.
    void DocumentFailed(const QString& fileName, DocumentOpener::Result result);
    // What the page lists has been worked out afresh.
    void Listed();
    // A slot's "下書きへ" was pressed: `text` is the sample's own text.
    void AddToDraft(const QString& text);
    // The library could not keep what the user asked it to; `reason` says why.
    void LibraryFailed(const QString& reason);

protected:
    // Catalogue indices, in catalogue order, of the records the page's current
    // selection lists: what the catalogue core answers for it; nothing while nothing
    // is selected (a search then looks through the whole catalogue).
    virtual std::optional<QList<int>> SelectedRecords() const = 0;

    // A page whose records change (the user's own) replaces its catalogue, then lists.
    void SetCatalogue(QList<SampleRecord> catalogue);
    // The line above a record's text under DisplayRule::Headed.
    virtual QString SlotHeading(int catalogueIndex) const;
    // Where the PDF of a record lies; the page's own folder unless a page mixes tabs.
    virtual QString DocumentFolder(int catalogueIndex) const;
    // The library's contents changed (kept here or in another window).
    virtual void LibraryChanged();
    // Before the records are listed afresh, and after the slots are filled.
    virtual void BeforeListing() {}
    virtual void SlotsShown() {}
    // Match shown in the top and bottom slot, or -1.
    int TopMatch() const { return m_pager.topMatch(); }
    int BottomMatch() const { return m_pager.bottomMatch(); }

    // Places a picture label (title banner, heading) at its natural size.
    QLabel* AddPicture(const QPixmap& picture, QPoint topLeft, const QString& accessibleName);

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void ListRecords(const QList<int>& catalogueIndices);
    // What the slot shows for `match`: composed only for the two shown, so a long
    // listing costs no more than a short one.
    QString DisplayText(int match) const;
    void ShowCount(int count);
    void Announce(QLabel* label, const QString& name);
    void OnScroll(int code, int thumb);
    void MirrorPager();
    void OpenShown(int match);
    void ShowCaption();
    QList<SearchQuery::Hit> Hits(int match) const;
    void ShowStars();
    void Star(QToolButton* star, int match, bool starred);

    Parameters m_parameters;
    QList<SampleRecord> m_catalogue;
    // Samples headed by their catalogue number, and the PDF's name when it is missing;
    // otherwise the record's text as it is. The page identity table says which.
    bool m_numbered;
    // The sample PDFs present when the listing was made.
    QSet<QString> m_present;
    QString m_selectionCaption;
    SearchQuery m_query;
    // Built at the first query, then kept for the page's catalogue.
    std::optional<SearchIndex> m_searchIndex;
    DocumentOpener m_ownDocuments;
    const DocumentOpener* m_documents = &m_ownDocuments;
    Library* m_library = nullptr;
    MatchList m_matches;
    ResultPager m_pager;

    QLabel* m_caption;
    QLabel* m_countHeading;
    QLabel* m_count;
    CMyEdit* m_topSlot;
    CMyEdit* m_bottomSlot;
    MultiLineButton* m_topButton;
    MultiLineButton* m_bottomButton;
    PagerScrollBar* m_scrollBar;
    SlotDraftControls* m_topDraft;
    SlotDraftControls* m_bottomDraft;
    QToolButton* m_topStar;
    QToolButton* m_bottomStar;
};
