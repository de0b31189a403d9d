// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftSheet.h"

#include "PdfComposer.h"
#include "ProgramName.h"
#include "SheetStyle.h"

#include <QPainter>

namespace {

void Compose(PdfComposer& composer, const QString& text)
{
    composer.SetCreator(ProgramName::Shown());
    const PdfComposer::TextStyle body = SheetStyle::Body();
    for (const QString& paragraph : text.split(u'\n'))
        composer.Paragraph(paragraph, body);
}

PdfComposer::PageFurniture Foot(const QString& foot)
{
    return [foot](QPainter& painter, int page, int count) {
        SheetStyle::DrawFoot(painter, foot, page, count);
    };
}

} // namespace

QByteArray DraftSheet::Pdf(const QString& text, const QString& foot, QString* error)
{
    if (!PdfComposer::FontsPresent(error))
        return {};
    PdfComposer composer = SheetStyle::Composer();
    Compose(composer, text);
    return composer.Render(QStringLiteral("下書き"), Foot(foot), error);
}

bool DraftSheet::Print(const QString& text, const QString& foot, QPagedPaintDevice& device,
                       QString* error)
{
    if (!PdfComposer::FontsPresent(error))
        return false;
    PdfComposer composer = SheetStyle::Composer();
    Compose(composer, text);
    return composer.Print(device, Foot(foot), error);
}
