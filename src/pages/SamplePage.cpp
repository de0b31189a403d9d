// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SamplePage.h"

#include "CMyEdit.h"
#include "CatalogueData.h"
#include "DialogUnits.h"
#include "Library.h"
#include "MultiLineButton.h"
#include "NumberedText.h"
#include "PageIdentity.h"
#include "PageLayout.h"
#include "PagerScrollBar.h"
#include "SlotDraftControls.h"
#include "UiFonts.h"

#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

static_assert(SlotDraftControls::Size.width() == PageLayout::InBlockWidth);

const QString SamplePage::ButtonCaption = QStringLiteral("左記文例をPDFで表示");

namespace {

QLabel* HeaderLabel(QWidget* page, const QString& text, QRect rect, Qt::Alignment alignment,
                    const QString& name)
{
    auto* label = new QLabel(text, page);
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    return label;
}

} // namespace

SamplePage::SamplePage(Parameters parameters, QWidget* parent)
    : QWidget(parent), m_parameters(std::move(parameters)),
      m_catalogue(
          m_parameters.catalogue.value_or(CatalogueData::ForFolder(m_parameters.folder).records)),
      m_numbered(PageIdentity::ForFolder(m_parameters.folder).numbered)
{
    m_parameters.catalogue.reset(); // Catalogue() is the one list
    setFont(UiFonts::Dialog());
    setFixedSize(PageSize);
    setAutoFillBackground(true);

    // The header: the caption reaches to the count heading, the count is right-aligned.
    m_caption = HeaderLabel(this, QString(), DialogUnits::Rect(170, 9, 223, 9), Qt::AlignLeft,
                            QStringLiteral("caption"));
    m_countHeading = HeaderLabel(this, QStringLiteral("該当件数"), DialogUnits::Rect(495, 9, 30, 9),
                                 Qt::AlignLeft, QStringLiteral("countHeading"));
    m_count = HeaderLabel(this, QStringLiteral("0 件"), DialogUnits::Rect(530, 9, 24, 9),
                          Qt::AlignRight, QStringLiteral("count"));
    // Centred in the header strip rather than hanging from its top edge.
    for (QLabel* label : {m_caption, m_countHeading, m_count})
        label->setGeometry(label->x(), 8, label->width(), 22);
    SetCaption(QString());
    ShowCount(0);

    const QFont slotFont = UiFonts::Slot();
    m_topSlot = new CMyEdit(this);
    m_topSlot->setObjectName(QStringLiteral("topSlot"));
    m_topSlot->setAccessibleName(QStringLiteral("上の文例"));
    m_topSlot->setGeometry(DialogUnits::Rect(167, 158, 327, 125));
    m_topSlot->SetTextFont(slotFont);
    m_bottomSlot = new CMyEdit(this);
    m_bottomSlot->setObjectName(QStringLiteral("bottomSlot"));
    m_bottomSlot->setAccessibleName(QStringLiteral("下の文例"));
    // One size for both, as the template has it, where rounding the edges would differ by
    // a pixel: the style draws a scroll bar once for each size it meets.
    m_bottomSlot->setGeometry(
        QRect(DialogUnits::Rect(167, 289, 327, 125).topLeft(), m_topSlot->size()));
    m_bottomSlot->SetTextFont(slotFont);
    // Two boxes, two bars: a screen reader has to tell them apart.
    m_topSlot->verticalScrollBar()->setAccessibleName(QStringLiteral("上の文例のスクロール"));
    m_bottomSlot->verticalScrollBar()->setAccessibleName(QStringLiteral("下の文例のスクロール"));

    m_topButton = new MultiLineButton(ButtonCaption, this);
    m_topButton->setObjectName(QStringLiteral("topPdfButton"));
    m_topButton->setAccessibleName(ButtonCaption + QStringLiteral("（上）"));
    // One size for both, as for the boxes: the style draws a button's face once per size.
    const QRect bottomButton = DialogUnits::Rect(501, 334, 43, 31);
    m_topButton->setGeometry(QRect(
        DialogUnits::Rect(501, m_parameters.topButtonY, 43, 31).topLeft(), bottomButton.size()));
    m_bottomButton = new MultiLineButton(ButtonCaption, this);
    m_bottomButton->setObjectName(QStringLiteral("bottomPdfButton"));
    m_bottomButton->setAccessibleName(ButtonCaption + QStringLiteral("（下）"));
    m_bottomButton->setGeometry(bottomButton);
    connect(m_topButton, &QPushButton::clicked, this, [this] { OpenShown(m_pager.topMatch()); });
    connect(m_bottomButton, &QPushButton::clicked, this,
            [this] { OpenShown(m_pager.bottomMatch()); });

    m_scrollBar = new PagerScrollBar(this);
    m_scrollBar->setObjectName(QStringLiteral("pager"));
    m_scrollBar->setAccessibleName(QStringLiteral("文例の送り"));
    m_scrollBar->setGeometry(DialogUnits::Rect(551, 27, 10, 385));
    connect(m_scrollBar, &PagerScrollBar::ScrollRequested, this, &SamplePage::OnScroll);

    // Each slot's 字数 and its way into the draft, in its block under the PDF button.
    m_topDraft = new SlotDraftControls(QStringLiteral("上"), this);
    m_topDraft->move(PageLayout::InBlockLeft, m_topButton->geometry().bottom() + 9);
    m_bottomDraft = new SlotDraftControls(QStringLiteral("下"), this);
    m_bottomDraft->move(PageLayout::InBlockLeft, m_bottomButton->geometry().bottom() + 9);
    for (SlotDraftControls* controls : {m_topDraft, m_bottomDraft})
        connect(controls, &SlotDraftControls::AddRequested, this, &SamplePage::AddToDraft);

    // A star above each PDF button keeps the sample by its record name.
    const auto star = [this](const QString& side, int y) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("star") + side);
        button->setCheckable(true);
        button->setAccessibleName(QStringLiteral("お気に入り（%1）").arg(side));
        button->setToolTip(QStringLiteral("お気に入りに入れる／外す"));
        button->setGeometry(870, y, SlotDraftControls::Size.width(), 28);
        button->setAutoRaise(false);
        return button;
    };
    m_topStar = star(QStringLiteral("上"), 246);
    m_bottomStar = star(QStringLiteral("下"), 444);
    // Every route (mouse, keys, a screen reader's toggle) arrives as toggled.
    connect(m_topStar, &QToolButton::toggled, this,
            [this](bool on) { Star(m_topStar, m_pager.topMatch(), on); });
    connect(m_bottomStar, &QToolButton::toggled, this,
            [this](bool on) { Star(m_bottomStar, m_pager.bottomMatch(), on); });

    setTabOrder(m_topSlot, m_bottomSlot);
    setTabOrder(m_bottomSlot, m_topButton);
    setTabOrder(m_topButton, m_bottomButton);

    ShowPosition(0);
}

SamplePage::~SamplePage() = default;

void SamplePage::Refresh()
{
    BeforeListing();
    const std::optional<QList<int>> selected = SelectedRecords();
    ShowCaption();
    if (m_query.IsEmpty()) {
        ListRecords(selected.value_or(QList<int>()));
        return;
    }
    if (!m_searchIndex)
        m_searchIndex.emplace(m_catalogue);
    ListRecords(m_searchIndex->Follow(selected, m_query));
}

void SamplePage::SetQuery(const SearchQuery& query)
{
    const bool relist = query.Words() != m_query.Words();
    m_query = query;
    if (relist)
        Refresh();
    else
        ShowCaption();
}

void SamplePage::ListRecords(const QList<int>& catalogueIndices)
{
    m_matches.clear();
    // The opener looks into the document folder once; every listing shares that look.
    m_present =
        m_numbered ? m_documents->PresentSampleDocuments(m_parameters.folder) : QSet<QString>();
    for (int i : catalogueIndices)
        m_matches.append({i, m_catalogue.at(i).pdfName});
    m_pager.Reset(m_matches.count());
    ShowCount(m_matches.count());
    ShowPosition(0);
    emit Listed();
}

QString SamplePage::DisplayText(int match) const
{
    if (!m_matches.contains(match))
        return QString();
    const int position = m_matches.at(match).catalogueIndex;
    const SampleRecord& record = m_catalogue.at(position);
    if (m_parameters.headed)
        return SlotHeading(position) + QStringLiteral("\r\n") + record.text;
    if (!m_numbered)
        return record.text;
    // Probed where the button will open it, not in whatever the current folder is.
    return NumberedText::ComposeNumberedText(position, record.text, record.pdfName,
                                             m_present.contains(record.pdfName));
}

void SamplePage::ShowPosition(int position)
{
    m_pager.Scroll(ResultPager::ThumbPosition, position);
    MirrorPager();
    const int top = m_pager.topMatch();
    const int bottom = m_pager.bottomMatch();
    // A page behind another tab finds its hits when it is shown.
    const bool shown = isVisible();
    m_topSlot->SetSampleText(DisplayText(top), shown ? Hits(top) : QList<SearchQuery::Hit>());
    m_bottomSlot->SetSampleText(DisplayText(bottom),
                                shown ? Hits(bottom) : QList<SearchQuery::Hit>());
    m_topButton->setEnabled(top >= 0);
    m_bottomButton->setEnabled(bottom >= 0);
    const auto own = [this](int match) {
        return m_catalogue.at(m_matches.at(match).catalogueIndex).text;
    };
    const auto show = [&own](SlotDraftControls* controls, int match) {
        if (match >= 0)
            controls->ShowSample(own(match));
        else
            controls->Clear();
    };
    show(m_topDraft, top);
    show(m_bottomDraft, bottom);
    // The stars are read when a sample is first shown, not at start-up.
    if (m_library && (top >= 0 || bottom >= 0))
        m_library->Open();
    ShowStars();
    SlotsShown();
}

void SamplePage::SetLibrary(Library* library)
{
    if (m_library)
        disconnect(m_library, nullptr, this, nullptr);
    m_library = library;
    if (m_library)
        connect(m_library, &Library::Changed, this, &SamplePage::LibraryChanged);
    LibraryChanged();
}

void SamplePage::LibraryChanged()
{
    ShowStars();
}

void SamplePage::ShowStars()
{
    const auto show = [this](QToolButton* star, int match) {
        const bool shown = m_library && m_matches.contains(match);
        const bool on = shown && m_library->IsStarred(m_matches.at(match).pdfName);
        const QSignalBlocker quiet(star);
        star->setEnabled(shown);
        star->setChecked(on);
        star->setText(on ? QStringLiteral("★ お気に入り") : QStringLiteral("☆ お気に入り"));
    };
    show(m_topStar, m_pager.topMatch());
    show(m_bottomStar, m_pager.bottomMatch());
}

void SamplePage::Star(QToolButton* star, int match, bool starred)
{
    if (!m_library || !m_matches.contains(match))
        return;
    if (!m_library->SetStarred(m_matches.at(match).pdfName, starred)) {
        emit LibraryFailed(m_library->LastError());
        ShowStars(); // as it was: nothing was kept
        return;
    }
    star->setText(starred ? QStringLiteral("★ お気に入り") : QStringLiteral("☆ お気に入り"));
}

void SamplePage::SetCatalogue(QList<SampleRecord> catalogue)
{
    m_catalogue = std::move(catalogue);
    m_searchIndex.reset();
}

QString SamplePage::SlotHeading(int) const
{
    return QString();
}

QString SamplePage::DocumentFolder(int) const
{
    return m_parameters.folder;
}

QString SamplePage::TopPdfName() const
{
    const int top = m_pager.topMatch();
    return top >= 0 ? m_matches.at(top).pdfName : QString();
}

QString SamplePage::BottomPdfName() const
{
    const int bottom = m_pager.bottomMatch();
    return bottom >= 0 ? m_matches.at(bottom).pdfName : QString();
}

QColor SamplePage::TabColour() const
{
    return QColor::fromRgb(QRgb(PageIdentity::ForFolder(m_parameters.folder).tabRgb));
}

QColor SamplePage::BannerColour() const
{
    return QColor::fromRgb(QRgb(PageIdentity::ForFolder(m_parameters.folder).bannerRgb));
}

QString SamplePage::Title() const
{
    return PageIdentity::ForFolder(m_parameters.folder).title;
}

QList<SearchQuery::Hit> SamplePage::Hits(int match) const
{
    if (m_query.IsEmpty() || !m_matches.contains(match))
        return {};
    // Only the sample's own text was searched, not the number or file name before it.
    const MatchList::Match& shown = m_matches.at(match);
    const QString& text = m_catalogue.at(shown.catalogueIndex).text;
    const qsizetype offset = DisplayText(match).size() - text.size();
    QList<SearchQuery::Hit> hits = m_query.Hits(text);
    for (SearchQuery::Hit& hit : hits)
        hit.start += offset;
    return hits;
}

void SamplePage::SetCaption(const QString& caption)
{
    m_selectionCaption = caption;
    ShowCaption();
}

void SamplePage::ShowCaption()
{
    const QString caption = m_query.Caption(m_selectionCaption);
    // A long query is cut short on screen; the screen reader gets all of it.
    m_caption->setText(
        m_caption->fontMetrics().elidedText(caption, Qt::ElideRight, m_caption->width()));
    // Spoken with what it stands for, and never nameless before the first choice.
    const QString name = QStringLiteral("選択中の分類");
    Announce(m_caption, caption.isEmpty() ? name : name + u'\u3000' + caption);
}

void SamplePage::SetDocumentOpener(const DocumentOpener* opener)
{
    m_documents = opener ? opener : &m_ownDocuments;
}

void SamplePage::ShowCount(int count)
{
    const QString text = QStringLiteral("%1 件").arg(count);
    m_count->setText(text);
    Announce(m_count, QStringLiteral("該当件数 ") + text);
}

void SamplePage::Announce(QLabel* label, const QString& name)
{
    if (label->accessibleName() == name)
        return;
    label->setAccessibleName(name);
    // A screen reader speaks a changed name at once; a label with a name of its own
    // does not say that its text changed.
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void SamplePage::OnScroll(int code, int thumb)
{
    ShowPosition(m_pager.Scroll(code, thumb));
}

void SamplePage::MirrorPager()
{
    m_scrollBar->Mirror(m_pager.maximum(), m_pager.position(), m_pager.isEnabled());
}

void SamplePage::OpenShown(int match)
{
    if (!m_matches.contains(match))
        return;
    const QString name = m_matches.at(match).pdfName;
    const DocumentOpener::Result result =
        m_documents->OpenSampleDocument(DocumentFolder(m_matches.at(match).catalogueIndex), name);
    // Opening looked at the file itself: a PDF added or removed since the folder was
    // looked into shows as it is now.
    if (m_numbered) {
        const QSet<QString> present = m_documents->PresentSampleDocuments(m_parameters.folder);
        if (present != m_present) {
            m_present = present;
            ShowPosition(m_pager.position());
        }
    }
    if (result != DocumentOpener::Result::Opened)
        emit DocumentFailed(name, result);
}

QLabel* SamplePage::AddPicture(const QPixmap& picture, QPoint topLeft,
                               const QString& accessibleName)
{
    auto* label = new QLabel(this);
    label->setPixmap(picture);
    label->setGeometry(QRect(topLeft, picture.deviceIndependentSize().toSize()));
    label->setAccessibleName(accessibleName);
    return label;
}

void SamplePage::showEvent(QShowEvent* event)
{
    if (!m_query.IsEmpty())
        ShowPosition(m_pager.position());
    QWidget::showEvent(event);
}

void SamplePage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(0, 0, 284, 630, m_parameters.colour);
    p.fillRect(291, 8, 690, 22, HeaderColour);
    for (int block = 0; block < int(PageLayout::BlockTops.size()); ++block)
        p.fillRect(PageLayout::Block(block), BlockColour);
    for (const QRect& block : m_parameters.extraBlocks)
        p.fillRect(block, BlockColour);
}

void SamplePage::mousePressEvent(QMouseEvent* event)
{
    // A click anywhere on the page hands the keys to the pager.
    m_scrollBar->setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void SamplePage::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    if (delta.y() == 0 && delta.x() != 0) {
        event->ignore(); // a sideways wheel is not a paging request
        return;
    }
    if (m_pager.Wheel(delta.y()))
        ShowPosition(m_pager.position());
    event->accept();
}
