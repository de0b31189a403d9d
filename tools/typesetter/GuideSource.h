// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// The usage guide as its author writes it (docs/riyou.txt), one block per line or
// run of lines:
//
//   # comment
//   = Title                     the cover title; "~ text" under it is the subtitle
//   == Section                  "=== Subsection" one level down
//   　Paragraph text ...        lines run on until a blank line or a line that
//                               opens with an ideographic space (the next paragraph)
//   ・Item                      one list item per line; so is a line opening with ①–⑳
//   > Note                      a remark set apart from the text
//   [picture tab0.png width=60 crop=x,y,w,h marks=1@x,y;2@x,y] Caption
//                               a picture rendered by the build; crop and marks are
//                               in the window's own pixels, width in percent
//   ----                        a page break
//   {contents}                  the list of sections with their page numbers
//   {version}                   anywhere in a line: the program's version, filled in
//                               by the typesetter
class GuideSource
{
public:
    struct Mark
    {
        int number;
        QPoint at;
    };

    struct Block
    {
        enum class Kind
        {
            Title,
            Subtitle,
            Section,
            Subsection,
            Paragraph,
            Item,
            Note,
            Picture,
            PageBreak,
            Contents
        };
        Kind kind;
        QString text;
        QString file; // pictures only
        int widthPercent = 100;
        QRect crop; // empty: the whole picture
        QList<Mark> marks;
    };

    // Returns false and appends "<line>: <reason>" to `errors` on malformed input.
    bool Parse(const QString& source, QStringList* errors);

    QList<Block> blocks;
};
