// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CDlgTabKomoku2.h"

#include "Artwork.h"
#include "CMyEdit.h"
#include "DialogUnits.h"
#include "MultiLineButton.h"
#include "PageIdentity.h"
#include "PagerScrollBar.h"

#include <QCheckBox>
#include <QPushButton>

const QString CDlgTabKomoku2::ClearAllCaption = QStringLiteral("全てのチェックを解除");

CDlgTabKomoku2::CDlgTabKomoku2(QWidget* parent, std::optional<QList<SampleRecord>> catalogue)
    : SamplePage({.colour = PageColour,
                  .folder = PageIdentity::Of(PageIdentity::Koumoku2).folder,
                  .catalogue = std::move(catalogue),
                  .extraBlocks = {QRect(3, 588, 276, 40)}}, // behind the clear-all button
                 parent)
{
    for (int g = 0; g < CheckGroup::GroupCount; ++g) {
        for (const CheckGroup::Heading& heading : CheckGroup::Headings(CheckGroup::Group(g))) {
            const QPixmap picture = heading.main
                                        ? Artwork::Banner(heading.text, BannerColour())
                                        : Artwork::SubHeading(heading.text, BannerColour());
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
        // Every route that flips a box (mouse, Space, a screen reader's toggle) ends
        // here; clicked alone misses the accessible one.
        connect(check, &QCheckBox::toggled, this, [this, p](bool ticked) { OnToggled(p, ticked); });
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

std::optional<QList<int>> CDlgTabKomoku2::SelectedRecords() const
{
    if (!m_selection.IsListing())
        return std::nullopt;
    return m_selection.Matches(Catalogue());
}

void CDlgTabKomoku2::OnToggled(int position, bool ticked)
{
    m_selection.SetTicked(position, ticked);
    m_selection.OnTickChanged(CheckGroup::BoxAt(position).group, Catalogue());
    ShowSelection();
}

void CDlgTabKomoku2::OnClearAll()
{
    m_selection.ClearAll();
    ShowSelection();
}

void CDlgTabKomoku2::ShowSelection()
{
    Refresh();
    // The selection decides; the boxes only show it, without calling back.
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        QCheckBox* box = m_boxes.at(p);
        const QSignalBlocker block(box);
        box->setChecked(m_selection.IsTicked(p));
        box->setEnabled(m_selection.IsEnabled(p));
    }
}
