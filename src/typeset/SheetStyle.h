// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PdfComposer.h"

// The page of one piece of writing, shared by the sample PDFs and the desk's drafts:
// body type 11 pt on a 19.5 pt pitch, 38 ems to the line, centred on A4, and a
// grey line at the foot.
class SheetStyle
{
public:
    static constexpr qreal BodySize = 11;
    static constexpr qreal BodyPitch = 19.5;
    static constexpr int EmsPerLine = 38;
    static constexpr qreal TextWidth = BodySize * EmsPerLine;
    static constexpr qreal LeftMargin = (PdfComposer::PageWidth - TextWidth) / 2;
    static constexpr qreal TopMargin = 78;
    static constexpr qreal BottomMargin = 84;
    static constexpr qreal FootBaseline = PdfComposer::PageHeight - 48;

    static PdfComposer Composer()
    {
        return PdfComposer(LeftMargin, TopMargin, TextWidth,
                           PdfComposer::PageHeight - BottomMargin);
    }
    static PdfComposer::TextStyle Body()
    {
        return {PdfComposer::Mincho(BodySize), BodyPitch, QColor(17, 17, 17)};
    }
    // The foot line, with the page number when there is more than one page.
    static void DrawFoot(QPainter& painter, QString foot, int page, int count)
    {
        if (count > 1)
            foot += QStringLiteral("\u3000%1 / %2").arg(page + 1).arg(count);
        PdfComposer::DrawText(painter, QRectF(0, FootBaseline - 10, PdfComposer::PageWidth, 14),
                              Qt::AlignHCenter | Qt::AlignBottom, foot, PdfComposer::Gothic(8),
                              QColor(128, 128, 128));
    }
};
