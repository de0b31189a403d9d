#include "SampleSheet.h"

#include "CategoryCaptions.h"
#include "PdfComposer.h"

#include <QPainter>

namespace {

// Body type: 11 pt on a 19.5 pt pitch, 38 ems to the line, centred on the sheet.
constexpr qreal BodySize = 11;
constexpr qreal BodyPitch = 19.5;
constexpr int EmsPerLine = 38;
constexpr qreal TextWidth = BodySize * EmsPerLine;
constexpr qreal LeftMargin = (PdfComposer::PageWidth - TextWidth) / 2;
constexpr qreal TopMargin = 78;
constexpr qreal BottomMargin = 84;
constexpr qreal FootBaseline = PdfComposer::PageHeight - 48;

} // namespace

bool SampleSheet::Write(const QString& folder, const SampleRecord& record, const QString& path,
                        QString* error)
{
    PdfComposer composer(LeftMargin, TopMargin, TextWidth, PdfComposer::PageHeight - BottomMargin);
    const QString title = CategoryCaptions::PageTitle(folder, record.mask);
    const QList<CategoryCaptions::Category> categories =
        CategoryCaptions::Categories(folder, record.mask);

    composer.Rule(3, CategoryCaptions::TabColour(folder), 0, 2 * BodySize);
    composer.Space(9);
    PdfComposer::TextStyle running{PdfComposer::Gothic(9.5), 15, QColor(90, 90, 90), Qt::AlignLeft};
    composer.Paragraph(title, running);
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

    const PdfComposer::TextStyle body{PdfComposer::Mincho(BodySize), BodyPitch, QColor(17, 17, 17)};
    for (const QString& paragraph : record.text.split(QStringLiteral("\r\n")))
        composer.Paragraph(paragraph, body);

    const QString name = record.pdfName;
    const auto furniture = [name](QPainter& painter, int page, int count) {
        QString foot = name;
        if (count > 1)
            foot += QStringLiteral("\u3000%1 / %2").arg(page + 1).arg(count);
        PdfComposer::DrawText(painter, QRectF(0, FootBaseline - 10, PdfComposer::PageWidth, 14),
                              Qt::AlignHCenter | Qt::AlignBottom, foot, PdfComposer::Gothic(8),
                              QColor(128, 128, 128));
    };
    QString documentTitle = title;
    if (!categories.isEmpty())
        documentTitle += QStringLiteral("\u3000") + categories.first().name;
    return composer.Write(path, documentTitle, furniture, error);
}
