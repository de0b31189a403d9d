#include "CategoryCaptions.h"

#include "CheckGroup.h"
#include "FieldTable.h"
#include "JikoFacultyTable.h"

#include <QList>

namespace {

struct Page
{
    QString folder;
    QString title;
    QColor colour;
};

const QList<Page>& Pages()
{
    static const QList<Page> pages = {
        {QStringLiteral("koumoku1"), QStringLiteral("【項目別推薦文】推薦・志望理由"),
         QColor(255, 0, 102)},
        {QStringLiteral("koumoku2"), QString(), QColor(51, 153, 255)},
        {QStringLiteral("gakubu"), QStringLiteral("【学部別推薦文】"), QColor(143, 213, 0)},
        {QStringLiteral("jiko"), QStringLiteral("【自己推薦文】"), QColor(255, 153, 0)},
    };
    return pages;
}

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
        if (p < mask.size() && mask.at(p) == u'1' && !groups.contains(CheckGroup::BoxAt(p).group))
            groups << CheckGroup::BoxAt(p).group;
    }
    return groups;
}

bool Filed(const QString& mask, int position)
{
    return position < mask.size() && mask.at(position) == u'1';
}

} // namespace

QString CategoryCaptions::PageTitle(const QString& folder, const QString& mask)
{
    // Tab 1 titles each group of boxes on its own: name those the record is filed under.
    if (folder == QStringLiteral("koumoku2")) {
        QStringList titles;
        for (CheckGroup::Group group : TickedGroups(mask)) {
            const QString main = HeadingsOf(group).main;
            if (!titles.contains(main))
                titles << main;
        }
        return titles.join(u'\u3000');
    }
    for (const Page& page : Pages()) {
        if (page.folder == folder)
            return page.title;
    }
    return {};
}

QColor CategoryCaptions::TabColour(const QString& folder)
{
    for (const Page& page : Pages()) {
        if (page.folder == folder)
            return page.colour;
    }
    return QColor(51, 51, 51);
}

QList<CategoryCaptions::Category> CategoryCaptions::Categories(const QString& folder,
                                                               const QString& mask)
{
    QList<Category> lines;
    if (folder == QStringLiteral("koumoku1") || folder == QStringLiteral("gakubu")) {
        for (int i = 0; i < FieldTable::FieldCount; ++i) {
            if (Filed(mask, i))
                lines << Category{FieldTable::Caption(i)};
        }
    } else if (folder == QStringLiteral("koumoku2")) {
        for (CheckGroup::Group group : TickedGroups(mask)) {
            const GroupHeadings headings = HeadingsOf(group);
            // "【項目別推薦文】学業" and "文系" read "学業（文系）".
            QString name = headings.main.section(u'】', -1);
            if (!headings.sub.isEmpty())
                name += u'（' + headings.sub + u'）';
            QStringList ticked;
            for (int p : CheckGroup::Positions(group)) {
                if (p < mask.size() && mask.at(p) == u'1')
                    ticked << CheckGroup::BoxAt(p).caption;
            }
            lines << Category{name, ticked.join(u'、')};
        }
    } else if (folder == QStringLiteral("jiko")) {
        const QList<JikoFacultyTable::Faculty>& faculties = JikoFacultyTable::faculties();
        for (int i = 0; i < faculties.size(); ++i) {
            if (Filed(mask, i))
                lines << Category{faculties.at(i).name};
        }
    }
    return lines;
}
