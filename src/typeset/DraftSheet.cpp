// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftSheet.h"

#include "PdfComposer.h"
#include "ProgramName.h"
#include "SheetStyle.h"

#include <QPainter>

QByteArray DraftSheet::Pdf(const QString& text, const QString& foot, QString* error)
{
    // Qt would set the text in whatever face it finds instead, unnoticed.
    if (const QString missing = PdfComposer::MissingFonts(); !missing.isEmpty()) {
        *error = QStringLiteral("PDFに使う書体（%1）がありません。fonts-ipafont-mincho と "
                                "fonts-ipafont-gothic を入れてください。")
                     .arg(missing);
        return {};
    }
    PdfComposer composer = SheetStyle::Composer();
    composer.SetCreator(ProgramName::Shown());
    const PdfComposer::TextStyle body = SheetStyle::Body();
    for (const QString& paragraph : text.split(u'\n'))
        composer.Paragraph(paragraph, body);
    const auto furniture = [foot](QPainter& painter, int page, int count) {
        SheetStyle::DrawFoot(painter, foot, page, count);
    };
    return composer.Render(QStringLiteral("下書き"), furniture, error);
}
