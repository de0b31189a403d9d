#include "CDlgTabKomoku2.h"

#include "Artwork.h"
#include "CMyEdit.h"
#include "DialogUnits.h"
#include "MultiLineButton.h"
#include "PagerScrollBar.h"

#include <QCheckBox>
#include <QPushButton>

const QString CDlgTabKomoku2::ClearAllCaption = QStringLiteral("全てのチェックを解除");

namespace {

QStringList MasksOf(const QList<SampleRecord>& catalogue)
{
    QStringList masks;
    for (const SampleRecord& record : catalogue)
        masks << record.mask;
    return masks;
}

} // namespace

CDlgTabKomoku2::CDlgTabKomoku2(QWidget* parent, QList<SampleRecord> catalogue)
    : SamplePage({.colour = PageColour,
                  .folder = QStringLiteral("koumoku2"),
                  .catalogue = std::move(catalogue),
                  .extraBlocks = {QRect(3, 588, 276, 40)}}, // behind the clear-all button
                 parent),
      m_selection(MasksOf(parameters().catalogue))
{
    for (int g = 0; g < CheckGroup::GroupCount; ++g) {
        for (const CheckGroup::Heading& heading : CheckGroup::Headings(CheckGroup::Group(g))) {
            const QPixmap picture = heading.main ? Artwork::Banner(heading.text, TabColour())
                                                 : Artwork::SubHeading(heading.text, TabColour());
            const QPoint at(DialogUnits::X(heading.topLeft.x()),
                            DialogUnits::Y(heading.topLeft.y()));
            AddPicture(picture, at, heading.text);
        }
    }

    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        const CheckGroup::Box& box = CheckGroup::BoxAt(p);
        auto* check = new QCheckBox(box.caption, this);
        check->setObjectName(QStringLiteral("box%1").arg(box.id));
        // The template's boxes were measured for another font: never cut a caption
        // short, and keep each row centred where the template puts it.
        QRect rect = DialogUnits::Rect(box.rect);
        const QSize hint = check->sizeHint();
        const int centreY = rect.center().y();
        rect.setWidth(qMax(rect.width(), hint.width()));
        rect.setHeight(qMax(rect.height(), hint.height()));
        rect.moveTop(centreY - (rect.height() - 1) / 2);
        check->setGeometry(rect);
        m_boxes << check;
        const CheckGroup::Group group = box.group;
        connect(check, &QCheckBox::clicked, this, [this, group] { OnTickChanged(group); });
    }

    m_clearAll = new QPushButton(ClearAllCaption, this);
    m_clearAll->setObjectName(QStringLiteral("clearAll"));
    m_clearAll->setGeometry(DialogUnits::Rect(36, 397, 87, 16));
    connect(m_clearAll, &QPushButton::clicked, this, &CDlgTabKomoku2::OnClearAll);

    // Keyboard order of the page's controls: the boxes down the column and the clear
    // button, then the shared slots, buttons and pager, and last the box added at the
    // bottom of the activities.
    const int last = CheckGroup::BoxCount - 1;
    for (int p = 1; p < last; ++p)
        setTabOrder(m_boxes.at(p - 1), m_boxes.at(p));
    setTabOrder(m_boxes.at(last - 1), m_clearAll);
    setTabOrder(m_clearAll, TopSlot());
    setTabOrder(TopSlot(), BottomSlot());
    setTabOrder(BottomSlot(), TopButton());
    setTabOrder(TopButton(), BottomButton());
    setTabOrder(BottomButton(), ScrollBar());
    setTabOrder(ScrollBar(), m_boxes.at(last));
}

void CDlgTabKomoku2::OnTickChanged(CheckGroup::Group group)
{
    CopyTicksIn();
    ShowOutcome(m_selection.OnTickChanged(group));
}

void CDlgTabKomoku2::OnClearAll()
{
    m_selection.ClearAll();
    ShowOutcome(CheckSelection::Outcome::Reset);
}

void CDlgTabKomoku2::CopyTicksIn()
{
    // The boxes hold the selection; the rules work on a copy taken at every click.
    for (int p = 0; p < CheckGroup::BoxCount; ++p)
        m_selection.SetTicked(p, m_boxes.at(p)->isChecked());
}

void CDlgTabKomoku2::ShowOutcome(CheckSelection::Outcome outcome)
{
    if (outcome == CheckSelection::Outcome::Reset)
        ResetResults();
    else
        ListRecords(m_selection.Matches());
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        m_boxes.at(p)->setChecked(m_selection.IsTicked(p));
        m_boxes.at(p)->setEnabled(m_selection.IsEnabled(p));
    }
}
