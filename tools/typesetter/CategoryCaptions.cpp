// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryCaptions.h"

#include "CategoryMask.h"
#include "CheckGroup.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"
#include "PageIdentity.h"

#include <QList>

namespace {

// The main heading a group of tick boxes stands under ("【項目別推薦文】学業"; the
// science boxes share the humanities one) and the line under it ("文系"), if any.
struct GroupHeadings
{
    QString main;
    QString sub;
};

GroupHeadings HeadingsOf(CheckGroup::Group group)
{
    GroupHeadings found;
    for (int g = group; g >= 0 && found.main.isEmpty(); --g) {
        for (const CheckGroup::Heading& heading : CheckGroup::Headings(CheckGroup::Group(g))) {
            if (heading.main && found.main.isEmpty())
                found.main = heading.text;
            else if (!heading.main && g == group)
                found.sub = heading.text;
        }
    }
    return found;
}

QList<CheckGroup::Group> TickedGroups(const QString& mask)
{
    QList<CheckGroup::Group> groups;
    for (int p = 0; p < CheckGroup::BoxCount; ++p) {
        if (CategoryMask::HasCategory(mask, p) && !groups.contains(CheckGroup::BoxAt(p).group))
            groups << CheckGroup::BoxAt(p).group;
    }
    return groups;
}

} // namespace

QString CategoryCaptions::PageTitle(const QString& folder, const QString& mask)
{
    // Tab 1 titles each group of boxes on its own: name those the record is filed under.
    if (PageIdentity::ForFolder(folder).selector == PageIdentity::Selector::Qualities) {
        QStringList titles;
        for (CheckGroup::Group group : TickedGroups(mask)) {
            const QString main = HeadingsOf(group).main;
            if (!titles.contains(main))
                titles << main;
        }
        return titles.join(u'\u3000');
    }
    return PageIdentity::ForFolder(folder).title;
}

QColor CategoryCaptions::TabColour(const QString& folder)
{
    return QColor::fromRgb(QRgb(PageIdentity::ForFolder(folder).tabRgb));
}

QList<CategoryCaptions::Category> CategoryCaptions::Categories(const QString& folder,
                                                               const QString& mask)
{
    QList<Category> lines;
    switch (PageIdentity::ForFolder(folder).selector) {
    case PageIdentity::Selector::Fields:
        for (int i = 0; i < FieldTable::FieldCount; ++i) {
            if (CategoryMask::HasCategory(mask, i))
                lines << Category{FieldTable::Caption(i)};
        }
        break;
    case PageIdentity::Selector::Qualities:
        for (CheckGroup::Group group : TickedGroups(mask)) {
            const GroupHeadings headings = HeadingsOf(group);
            // "【項目別推薦文】学業" and "文系" read "学業（文系）".
            QString name = headings.main.section(u'】', -1);
            if (!headings.sub.isEmpty())
                name += u'（' + headings.sub + u'）';
            QStringList ticked;
            for (int p : CheckGroup::Positions(group)) {
                if (CategoryMask::HasCategory(mask, p))
                    ticked << CheckGroup::BoxAt(p).caption;
            }
            lines << Category{name, ticked.join(u'、')};
        }
        break;
    case PageIdentity::Selector::Faculties:
        for (int i = 0; i < JikoFacultyTable::FacultyCount; ++i) {
            if (CategoryMask::HasCategory(mask, i))
                lines << Category{JikoFacultyTable::faculties().at(i).name};
        }
        break;
    case PageIdentity::Selector::Own:
    case PageIdentity::Selector::None:
        break;
    }
    return lines;
}
