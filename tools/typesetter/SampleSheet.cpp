// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleSheet.h"

#include "CategoryCaptions.h"
#include "PdfComposer.h"
#include "SheetStyle.h"

#include <QPainter>

bool SampleSheet::Write(const QString& folder, const SampleRecord& record, const QString& number,
                        const QString& path, QString* error)
{
    PdfComposer composer = SheetStyle::Composer();
    const QString title = CategoryCaptions::PageTitle(folder, record.mask);
    const QList<CategoryCaptions::Category> categories =
        CategoryCaptions::Categories(folder, record.mask);

    composer.Rule(3, CategoryCaptions::TabColour(folder), 0, 2 * SheetStyle::BodySize);
    composer.Space(9);
    PdfComposer::TextStyle running{PdfComposer::Gothic(9.5), 15, QColor(90, 90, 90), Qt::AlignLeft};
    composer.Paragraph(number.isEmpty() ? title : title + QStringLiteral("\u3000") + number,
                       running);
    composer.Space(4);
    const PdfComposer::TextStyle heading{PdfComposer::Gothic(15), 24, QColor(26, 26, 26),
                                         Qt::AlignLeft};
    const PdfComposer::TextStyle detail{PdfComposer::Gothic(11), 18, QColor(51, 51, 51),
                                        Qt::AlignLeft};
    for (const CategoryCaptions::Category& category : categories) {
        composer.Paragraph(category.name, heading);
        if (!category.detail.isEmpty())
            composer.Paragraph(category.detail, detail);
    }
    composer.Space(10);
    composer.Rule(0.6, QColor(60, 60, 60));
    composer.Space(28);

    const PdfComposer::TextStyle body = SheetStyle::Body();
    for (const QString& paragraph : record.text.split(QStringLiteral("\r\n")))
        composer.Paragraph(paragraph, body);

    const QString name = record.pdfName;
    const auto furniture = [name](QPainter& painter, int page, int count) {
        SheetStyle::DrawFoot(painter, name, page, count);
    };
    QString documentTitle = title;
    if (!categories.isEmpty())
        documentTitle += QStringLiteral("\u3000") + categories.first().name;
    return composer.Write(path, documentTitle, furniture, error);
}
