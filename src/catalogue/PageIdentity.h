// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What names each page wherever it appears — the tab strip, the page's own title and
// the typeset documents: its document folder, tab caption, title, colours and the
// kind of selector that files its samples. The window builds its tabs in this order.
class PageIdentity
{
public:
    // What a position in the page's masks stands for.
    enum class Selector
    {
        Fields,    // FieldTable's fields of study, chosen one at a time
        Qualities, // CheckGroup's tick boxes, any number at once
        Faculties, // JikoFacultyTable's faculties, chosen one at a time
        Own,       // the user's library: the starred samples, or their own
        None,      // no page of this program
    };

    struct Page
    {
        QString folder;
        QString caption;    // the tab's caption, ending in an ideographic space
        QString title;      // the page's title banner; empty where headings take its place
        unsigned tabRgb;    // 0xRRGGBB
        unsigned bannerRgb; // the title banner's and the headings' colour, 0xRRGGBB
        Selector selector;
        bool numbered; // samples headed by "No." and their place in the catalogue
    };

    // Positions in All(), for the pages that are built by name.
    enum Tab
    {
        Koumoku1,
        Koumoku2,
        Gakubu,
        Jiko,
        Jibun,
    };

    // In tab order.
    static const QList<Page>& All();
    static const Page& Of(Tab tab) { return All().at(tab); }
    // The page of a document folder; an empty one for an unknown folder.
    static const Page& ForFolder(const QString& folder);
};
