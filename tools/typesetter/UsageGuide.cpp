// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "UsageGuide.h"

#include "PageIdentity.h"
#include "PdfComposer.h"
#include "ProgramName.h"

#include <QDir>
#include <QPainter>

namespace {

// Body type: 10 pt on a 17.5 pt pitch, 42 ems to the line.
constexpr qreal BodySize = 10;
constexpr qreal BodyPitch = 17.5;
constexpr qreal TextWidth = BodySize * 42;
constexpr qreal LeftMargin = (PdfComposer::PageWidth - TextWidth) / 2;
constexpr qreal TopMargin = 80;
constexpr qreal BottomMargin = 80;

const QColor Ink(17, 17, 17);
const QColor Grey(100, 100, 100);
const QString RunningHead = ProgramName::Shown() + QStringLiteral("　使い方");

// The four tab colours, in tab order.
QList<QColor> TabColours()
{
    QList<QColor> colours;
    for (const PageIdentity::Page& page : PageIdentity::All())
        colours << QColor::fromRgb(QRgb(page.tabRgb));
    return colours;
}

} // namespace

bool UsageGuide::Load(const GuideSource::Block& block, Picture* picture, QString* error) const
{
    const QString file = QDir(m_pictureFolder).filePath(block.file);
    if (!m_pictures.contains(file))
        m_pictures.insert(file, QImage(file));
    QImage image = m_pictures.value(file);
    if (image.isNull()) {
        *error = QStringLiteral("cannot read the picture %1").arg(file);
        return false;
    }
    QPoint origin;
    if (!block.crop.isEmpty()) {
        image = image.copy(
            QRect(block.crop.topLeft() * m_pictureScale, block.crop.size() * m_pictureScale));
        origin = block.crop.topLeft();
    }
    picture->image = image;
    for (const GuideSource::Mark& mark : block.marks)
        picture->marks << PdfComposer::Mark{mark.number,
                                            QPointF(mark.at - origin) * m_pictureScale};
    picture->width = TextWidth * block.widthPercent / 100.0;
    picture->height = picture->width * image.height() / image.width();
    return true;
}

qreal UsageGuide::Lead(const GuideSource::Block& block) const
{
    if (block.kind == GuideSource::Block::Kind::Picture) {
        Picture picture;
        QString ignored;
        return Load(block, &picture, &ignored) ? 8 + picture.height : 0;
    }
    return 3 * BodyPitch;
}

UsageGuide::UsageGuide(QString pictureFolder, qreal pictureScale)
    : m_pictureFolder(std::move(pictureFolder)), m_pictureScale(pictureScale)
{}

bool UsageGuide::Write(const GuideSource& source, const QString& path, QString* error) const
{
    // The contents name the pages their sections land on: lay out once to find them,
    // then again with them (the contents take the same room either way).
    QList<int> sectionPages;
    std::unique_ptr<PdfComposer> composer;
    for (int pass = 0; pass < 2; ++pass) {
        composer = std::make_unique<PdfComposer>(LeftMargin, TopMargin, TextWidth,
                                                 PdfComposer::PageHeight - BottomMargin);
        QList<int> found;
        if (!Compose(source, sectionPages, composer.get(), &found, error))
            return false;
        sectionPages = found;
    }

    const auto furniture = [](QPainter& painter, int page, int) {
        if (page == 0)
            return;
        const qreal head = TopMargin - 34;
        PdfComposer::DrawText(painter, QRectF(LeftMargin, head - 12, TextWidth, 12),
                              Qt::AlignRight | Qt::AlignBottom, RunningHead,
                              PdfComposer::Gothic(7.5), Grey);
        PdfComposer::DrawRule(painter, QRectF(LeftMargin, head + 3, TextWidth, 0.4),
                              QColor(160, 160, 160));
        PdfComposer::DrawText(painter,
                              QRectF(0, PdfComposer::PageHeight - 58, PdfComposer::PageWidth, 14),
                              Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1),
                              PdfComposer::Gothic(8.5), Grey);
    };
    return composer->Write(path, RunningHead, furniture, error);
}

bool UsageGuide::Compose(const GuideSource& source, const QList<int>& sectionPages,
                         PdfComposer* target, QList<int>* foundPages, QString* error) const
{
    PdfComposer& composer = *target;
    using Style = PdfComposer::TextStyle;
    const Style title{PdfComposer::Gothic(24), 38, Ink, Qt::AlignLeft};
    const Style subtitle{PdfComposer::Gothic(12), 20, Grey, Qt::AlignLeft};
    const Style section{PdfComposer::Gothic(14), 22, Ink, Qt::AlignLeft};
    const Style subsection{PdfComposer::Gothic(11.5), 19, Ink, Qt::AlignLeft};
    const Style body{PdfComposer::Mincho(BodySize), BodyPitch, Ink};
    const Style item{
        PdfComposer::Mincho(BodySize), BodyPitch, Ink, Qt::AlignJustify, BodySize, BodySize};
    const Style note{PdfComposer::Gothic(9), 16, QColor(70, 70, 70), Qt::AlignJustify, BodySize, 0};
    const Style contents{PdfComposer::Gothic(10), 21, Ink, Qt::AlignLeft};
    const Style caption{PdfComposer::Gothic(8.5), 14, Grey, Qt::AlignHCenter};

    for (qsizetype i = 0; i < source.blocks.size(); ++i) {
        const GuideSource::Block& block = source.blocks.at(i);
        // A heading never ends a page: it keeps the start of what follows with it.
        const qreal lead = i + 1 < source.blocks.size() ? Lead(source.blocks.at(i + 1)) : 0;
        switch (block.kind) {
        case GuideSource::Block::Kind::Title:
            composer.Space(120);
            composer.ColourBar(5, TabColours());
            composer.Space(26);
            composer.Paragraph(block.text, title);
            break;
        case GuideSource::Block::Kind::Subtitle:
            composer.Space(6);
            composer.Paragraph(block.text, subtitle);
            composer.Space(40);
            break;
        case GuideSource::Block::Kind::Contents: {
            composer.Space(6);
            composer.Paragraph(QStringLiteral("目次"), subsection);
            composer.Space(6);
            int n = 0;
            for (const GuideSource::Block& entry : source.blocks) {
                if (entry.kind != GuideSource::Block::Kind::Section)
                    continue;
                const int page = n < sectionPages.size() ? sectionPages.at(n) + 1 : 0;
                composer.Pair(entry.text, QString::number(page), contents);
                ++n;
            }
            break;
        }
        case GuideSource::Block::Kind::Section:
            composer.Space(20);
            composer.KeepTogether(section.pitch + 14 + lead);
            *foundPages << composer.Page();
            composer.Paragraph(block.text, section);
            composer.Space(4);
            composer.Rule(0.6, QColor(60, 60, 60));
            composer.Space(10);
            break;
        case GuideSource::Block::Kind::Subsection:
            composer.Space(12);
            composer.KeepTogether(subsection.pitch + 3 + lead);
            composer.Paragraph(block.text, subsection);
            composer.Space(3);
            break;
        case GuideSource::Block::Kind::Paragraph:
            composer.Paragraph(block.text, body);
            break;
        case GuideSource::Block::Kind::Item:
            composer.Paragraph(block.text, item);
            break;
        case GuideSource::Block::Kind::Note:
            composer.Space(4);
            composer.Paragraph(block.text, note);
            composer.Space(4);
            break;
        case GuideSource::Block::Kind::PageBreak:
            composer.PageBreak();
            break;
        case GuideSource::Block::Kind::Picture: {
            Picture picture;
            if (!Load(block, &picture, error))
                return false;
            composer.Space(8);
            composer.KeepTogether(picture.height + 6 + caption.pitch);
            composer.Picture(picture.image, picture.width, picture.marks);
            if (!block.text.isEmpty()) {
                composer.Space(6);
                composer.Paragraph(block.text, caption);
            }
            composer.Space(12);
            break;
        }
        }
    }

    return true;
}
