// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfComposer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

#include <cmath>

namespace {

// Twenty device units to the point: Qt rounds a face's size to whole device pixels,
// and at this resolution every half-point size is exact, so an em is an em and a
// line of so many ems fits its measure.
constexpr int Resolution = 1440;
constexpr qreal K = Resolution / 72.0;
// What a sum of lengths may overshoot the text block by and still count as fitting.
constexpr qreal Tolerance = 0.01;

const QString MinchoFamily = QStringLiteral("IPAMincho");
const QString GothicFamily = QStringLiteral("IPAPGothic");

QFont Face(const QString& family, qreal points)
{
    QFont font(family);
    font.setPointSizeF(points);
    // Outlines as designed: hinting would snap advances to the writer's grid.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

QRectF Device(const QRectF& points)
{
    return QRectF(points.topLeft() * K, points.size() * K);
}

} // namespace

PdfComposer::PdfComposer(qreal left, qreal top, qreal width, qreal bottom)
    : m_left(left), m_top(top), m_width(width), m_bottom(bottom), m_y(top)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_buffer);
    m_writer->setResolution(Resolution);
    m_writer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    m_writer->setCreator(QStringLiteral("Kiravelo document-typesetter"));
}

PdfComposer::~PdfComposer() = default;

void PdfComposer::Paragraph(const QString& text, const TextStyle& style)
{
    auto layout = std::make_shared<QTextLayout>(text, style.font, m_writer.get());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    const bool justify = style.alignment & Qt::AlignJustify;
    option.setAlignment(justify ? Qt::AlignLeft : style.alignment);
    layout->setTextOption(option);
    layout->beginLayout();
    QList<qreal> indents;
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        const qreal indent = style.indent + (indents.isEmpty() ? 0 : style.hanging);
        // A hair over the measure, so that a line of exactly so many ems is not
        // broken short by rounding.
        line.setLineWidth((m_width - indent + 0.05) * K);
        line.setPosition(QPointF(0, 0));
        indents << indent;
    }
    layout->endLayout();

    // The em box sits in the middle of the pitch; the baseline follows the face's
    // own split of the em between ascent and descent.
    const QFontMetricsF metrics(style.font, m_writer.get());
    const qreal em = style.font.pointSizeF();
    const qreal baseline =
        (style.pitch - em) / 2 + em * metrics.ascent() / (metrics.ascent() + metrics.descent());

    const int count = int(indents.size());
    int next = 0;
    while (next < count) {
        int fits = int((m_bottom - m_y + Tolerance) / style.pitch);
        const int left = count - next;
        if (fits < left) {
            // Neither a paragraph's first line alone at the foot of a page, nor its
            // last line alone at the head of the next.
            if (fits == 1 && left > 1 && next == 0)
                fits = 0;
            else if (left - fits == 1 && fits >= 2)
                fits -= 1;
        }
        if (fits <= 0) {
            PageBreak();
            fits = std::max(1, int((m_bottom - m_y + Tolerance) / style.pitch));
        }
        for (int i = 0; i < fits && next < count; ++i, ++next) {
            Item item{Item::Kind::Line};
            item.rect = QRectF(m_left + indents.at(next), baseline, 0, 0);
            item.layout = layout;
            item.line = next;
            if (justify && next + 1 < count)
                Justify(&item, style.font, (m_width - indents.at(next)) * K);
            item.colour = style.colour;
            Place(std::move(item), style.pitch);
        }
    }
}

// Qt would give a justified line's slack to its spaces alone, the ideographic space
// of a paragraph's indent among them; spread it evenly between all characters instead,
// as Japanese composition does.
void PdfComposer::Justify(Item* item, const QFont& font, qreal width) const
{
    const QTextLine line = item->layout->lineAt(item->line);
    QString text = item->layout->text().mid(line.textStart(), line.textLength());
    while (text.endsWith(u' '))
        text.chop(1);
    const qreal slack = width - line.naturalTextWidth();
    const qsizetype gaps = text.size() - 1;
    // A line cut short by a long unbreakable word stays ragged rather than spaced out.
    if (gaps <= 0 || slack <= 0.01 * K || slack > 3 * font.pointSizeF() * K)
        return;
    QFont spaced = font;
    // Letter spacing is given in points, like the type size.
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, slack / gaps / K);
    auto single = std::make_shared<QTextLayout>(text, spaced, m_writer.get());
    single->beginLayout();
    QTextLine only = single->createLine();
    only.setLineWidth(width * 2);
    only.setPosition(QPointF(0, 0));
    single->endLayout();
    item->layout = single;
    item->line = 0;
}

void PdfComposer::Pair(const QString& left, const QString& right, const TextStyle& style)
{
    const QFontMetricsF metrics(style.font, m_writer.get());
    const qreal em = style.font.pointSizeF();
    const qreal baseline =
        (style.pitch - em) / 2 + em * metrics.ascent() / (metrics.ascent() + metrics.descent());
    KeepTogether(style.pitch);
    const QString texts[] = {left, right};
    qreal ends[2] = {};
    for (int i = 0; i < 2; ++i) {
        auto layout = std::make_shared<QTextLayout>(texts[i], style.font, m_writer.get());
        layout->beginLayout();
        QTextLine line = layout->createLine();
        line.setLineWidth(m_width * K);
        line.setPosition(QPointF(0, 0));
        layout->endLayout();
        const qreal x = i == 0 ? m_left : m_left + m_width - line.naturalTextWidth() / K;
        ends[i] = i == 0 ? x + line.naturalTextWidth() / K : x;
        Item item{Item::Kind::Line};
        item.page = m_page;
        item.rect = QRectF(x, m_y + baseline, 0, 0);
        item.layout = layout;
        item.colour = style.colour;
        m_items.push_back(std::move(item));
    }
    // A dotted leader, the dots on a grid common to every line so they stand in columns.
    const qreal step = 4;
    const qreal dot = 0.8;
    for (qreal x = std::ceil((ends[0] + 6 - m_left) / step) * step + m_left; x + dot < ends[1] - 6;
         x += step) {
        Item item{Item::Kind::Block};
        item.page = m_page;
        item.rect = QRectF(x, m_y + baseline - dot, dot, dot);
        item.colour = QColor(150, 150, 150);
        m_items.push_back(std::move(item));
    }
    m_y += style.pitch;
}

void PdfComposer::Space(qreal height)
{
    // Space that would open a page is dropped with the break.
    if (m_y == m_top && m_page > 0)
        return;
    m_y += height;
}

void PdfComposer::Rule(qreal thickness, const QColor& colour, qreal indent, qreal length)
{
    Item item{Item::Kind::Block};
    item.rect = QRectF(m_left + indent, 0, length > 0 ? length : m_width - indent, thickness);
    item.colour = colour;
    Place(std::move(item), thickness);
}

void PdfComposer::ColourBar(qreal thickness, const QList<QColor>& colours)
{
    KeepTogether(thickness);
    const qreal segment = m_width / colours.size();
    for (qsizetype i = 0; i < colours.size(); ++i) {
        Item item{Item::Kind::Block};
        item.page = m_page;
        item.rect = QRectF(m_left + i * segment, m_y, segment, thickness);
        item.colour = colours.at(i);
        m_items.push_back(std::move(item));
    }
    m_y += thickness;
}

void PdfComposer::Picture(const QImage& image, qreal width, const QList<Mark>& marks)
{
    const qreal height = width * image.height() / image.width();
    Item item{Item::Kind::Picture};
    item.rect = QRectF(m_left + (m_width - width) / 2, 0, width, height);
    item.image = image;
    item.marks = marks;
    Place(std::move(item), height);
}

void PdfComposer::KeepTogether(qreal height)
{
    if (m_y + height > m_bottom + Tolerance && m_y > m_top)
        PageBreak();
}

void PdfComposer::PageBreak()
{
    ++m_page;
    m_y = m_top;
}

void PdfComposer::Place(Item item, qreal height)
{
    KeepTogether(height);
    item.page = m_page;
    // A line's baseline is given from the top of its own line box.
    item.rect.moveTop(item.kind == Item::Kind::Line ? m_y + item.rect.top() : m_y);
    m_items.push_back(std::move(item));
    m_y += height;
}

bool PdfComposer::Write(const QString& path, const QString& title, const PageFurniture& furniture,
                        QString* error)
{
    const QByteArray pdf = Render(title, furniture, error);
    if (pdf.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void PdfComposer::SetCreator(const QString& creator)
{
    m_writer->setCreator(creator);
}

QByteArray PdfComposer::Render(const QString& title, const PageFurniture& furniture, QString* error)
{
    m_writer->setTitle(title);
    if (!Print(*m_writer, furniture, error))
        return {};
    return m_buffer.data();
}

bool PdfComposer::Print(QPagedPaintDevice& device, const PageFurniture& furniture, QString* error)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        *error = QStringLiteral("cannot start the PDF writer");
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform | QPainter::LosslessImageRendering);
    // The layout is in the writer's units; another device (a printer) scales it.
    if (&device != m_writer.get())
        painter.scale(qreal(device.logicalDpiX()) / Resolution,
                      qreal(device.logicalDpiY()) / Resolution);
    const int pages = m_page + 1;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device.newPage();
        for (const Item& item : m_items) {
            if (item.page != page)
                continue;
            switch (item.kind) {
            case Item::Kind::Line: {
                const QTextLine line = item.layout->lineAt(item.line);
                painter.setPen(item.colour);
                line.draw(&painter, QPointF(item.rect.x() * K, item.rect.y() * K - line.ascent()));
                break;
            }
            case Item::Kind::Block:
                painter.fillRect(Device(item.rect), item.colour);
                break;
            case Item::Kind::Picture: {
                const QRectF target = Device(item.rect);
                painter.drawImage(target, item.image);
                painter.setPen(QPen(QColor(150, 150, 150), 0.5 * K));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(target);
                const qreal perPixel = target.width() / item.image.width();
                const qreal radius = 7.5 * K;
                for (const Mark& mark : item.marks) {
                    const QPointF centre = target.topLeft() + mark.at * perPixel;
                    painter.setPen(QPen(Qt::white, 1.2 * K));
                    painter.setBrush(QColor(200, 16, 64));
                    painter.drawEllipse(centre, radius, radius);
                    painter.setPen(Qt::white);
                    painter.setFont(Gothic(10));
                    painter.drawText(
                        QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                        Qt::AlignCenter, QString::number(mark.number));
                }
                break;
            }
            }
        }
        painter.save();
        furniture(painter, page, pages);
        painter.restore();
    }
    if (!painter.end()) {
        *error = QStringLiteral("the PDF writer failed");
        return false;
    }
    return true;
}

void PdfComposer::DrawText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                           const QFont& font, const QColor& colour)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(Device(rect), flags, text);
}

void PdfComposer::DrawRule(QPainter& painter, const QRectF& rect, const QColor& colour)
{
    painter.fillRect(Device(rect), colour);
}

QFont PdfComposer::Mincho(qreal points)
{
    return Face(MinchoFamily, points);
}

QFont PdfComposer::Gothic(qreal points)
{
    return Face(GothicFamily, points);
}

bool PdfComposer::FontsPresent(QString* error)
{
    // Qt would set the text in whatever face it finds instead, unnoticed.
    if (const QString missing = MissingFonts(); !missing.isEmpty()) {
        *error = QStringLiteral("PDFに使う書体（%1）がありません。fonts-ipafont-mincho と "
                                "fonts-ipafont-gothic を入れてください。")
                     .arg(missing);
        return false;
    }
    return true;
}

QString PdfComposer::MissingFonts()
{
    QStringList missing;
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {MinchoFamily, GothicFamily}) {
        if (!installed.contains(family))
            missing << family;
    }
    return missing.join(QStringLiteral(", "));
}
