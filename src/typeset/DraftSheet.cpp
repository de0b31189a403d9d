// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftSheet.h"

#include "PdfComposer.h"
#include "SheetStyle.h"

#include <QPainter>

QByteArray DraftSheet::Pdf(const QString& text, const QString& foot, QString* error)
{
    PdfComposer composer = SheetStyle::Composer();
    composer.SetCreator(QStringLiteral("KiraveloVer2"));
    const PdfComposer::TextStyle body = SheetStyle::Body();
    for (const QString& paragraph : text.split(u'\n'))
        composer.Paragraph(paragraph, body);
    const auto furniture = [foot](QPainter& painter, int page, int count) {
        SheetStyle::DrawFoot(painter, foot, page, count);
    };
    return composer.Render(QStringLiteral("下書き"), furniture, error);
}
