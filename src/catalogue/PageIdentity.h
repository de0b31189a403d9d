#pragma once

#include <QList>
#include <QString>

// What names each page wherever it appears — the tab strip, the page's own title and
// the typeset documents: its document folder, tab caption, title and tab colour.
class PageIdentity
{
public:
    struct Page
    {
        QString folder;
        QString caption; // the tab's caption, ending in an ideographic space
        QString title;   // the page's title banner; empty where headings take its place
        unsigned tabRgb; // 0xRRGGBB
    };

    // In tab order.
    static const QList<Page>& All();
    // The page of a document folder; an empty one for an unknown folder.
    static const Page& ForFolder(const QString& folder);
};
