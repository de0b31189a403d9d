// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryPage.h"

#include "Artwork.h"
#include "DialogUnits.h"
#include "FieldSelector.h"

CategoryPage::CategoryPage(Parameters parameters, Banner banner, QWidget* parent)
    : SamplePage(std::move(parameters), parent)
{
    const QString title = Title();
    AddPicture(Artwork::Banner(title, BannerColour()),
               QPoint(DialogUnits::X(banner.topLeft.x()), DialogUnits::Y(banner.topLeft.y())),
               title);
    const PageIdentity::Selector kind = PageIdentity::ForFolder(this->parameters().folder).selector;
    m_selector =
        new FieldSelector(this, FieldSelector::EntriesFor(kind), Artwork::Arrow(TabColour()));
    connect(m_selector, &FieldSelector::Chosen, this, &CategoryPage::Choose);
}

void CategoryPage::Choose(int index)
{
    m_selection = CategorySelection(index);
    SetCaption(m_selector->CaptionOf(index));
    Refresh();
}

std::optional<QList<int>> CategoryPage::SelectedRecords() const
{
    if (!m_selection.IsChosen())
        return std::nullopt;
    return m_selection.Matches(Catalogue());
}
