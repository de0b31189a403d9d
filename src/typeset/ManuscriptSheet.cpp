// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManuscriptSheet.h"

#include "PdfComposer.h"
#include "ProgramName.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStaticText>

#include <algorithm>

namespace {

const QColor Rule(200, 104, 72); // the vermilion of a printed sheet
const QColor Ink(17, 17, 17);
const QColor Warning(204, 0, 0);
const QColor OverflowTint(255, 214, 214);
constexpr qreal TypeShare = 0.7; // of a square, the em of the type
// The PDF's own resolution: whole device pixels are fine enough for any square.
constexpr int PdfResolution = 1440;

bool Blank(QStringView text)
{
    return text.trimmed().isEmpty() || text == u"\u3000";
}

} // namespace

ManuscriptSheet::ManuscriptSheet(const ManuscriptGrid& grid, int allowedLines)
    : m_grid(grid), m_allowedLines(allowedLines)
{}

void ManuscriptSheet::SetText(const QString& text)
{
    m_text = text;
    m_cells = m_grid.Cells(m_text);
    m_overflow = -1;
    if (m_allowedLines > 0) {
        const auto first =
            std::find_if(m_cells.cbegin(), m_cells.cend(),
                         [this](const ManuscriptGrid::Cell& c) { return c.line > m_allowedLines; });
        if (first != m_cells.cend())
            m_overflow = first->start;
    }
}

QSizeF ManuscriptSheet::SheetSize(qreal square) const
{
    const qreal lines = m_grid.LinesPerSheet() * LinePitch - (LinePitch - 1);
    return QSizeF((m_grid.Columns() + Margin + HangRoom) * square,
                  (lines + Margin + FootHeight) * square);
}

QFont ManuscriptSheet::Face(qreal square)
{
    QFont font = PdfComposer::Mincho(10);
    font.setPixelSize(std::max(4, qRound(square * TypeShare)));
    return font;
}

void ManuscriptSheet::Paint(QPainter& painter, int sheet, QPointF origin, qreal square,
                            const QFont& font, const QString& foot) const
{
    const int columns = m_grid.Columns();
    const int lines = m_grid.LinesPerSheet();
    const qreal pitch = square * LinePitch;
    const QPointF top = origin + QPointF(Margin * square, Margin * square);
    const auto squareAt = [&](int line, int column) {
        return QRectF(top.x() + (column - 1) * square,
                      top.y() + (m_grid.LineOnSheet(line) - 1) * pitch, square, square);
    };

    painter.save();
    painter.fillRect(QRectF(origin, SheetSize(square)), Qt::white);
    const int firstLine = (sheet - 1) * lines + 1;
    const int lastLine = sheet * lines;
    const auto begin = std::lower_bound(
        m_cells.cbegin(), m_cells.cend(), firstLine,
        [](const ManuscriptGrid::Cell& cell, int line) { return cell.line < line; });
    auto end = begin;
    while (end != m_cells.cend() && end->line <= lastLine)
        ++end;

    // The first square that does not fit, under its rules.
    if (m_overflow >= 0) {
        const auto over = std::find_if(begin, end, [this](const ManuscriptGrid::Cell& cell) {
            return cell.start == m_overflow;
        });
        if (over != end)
            painter.fillRect(squareAt(over->line, over->column), OverflowTint);
    }

    // The squares: each line a box of `columns` squares, with a gap under it.
    QList<QLineF> rules;
    rules.reserve(lines * (columns + 1));
    for (int line = 0; line < lines; ++line) {
        const qreal y = top.y() + line * pitch;
        rules << QLineF(top.x(), y, top.x() + columns * square, y)
              << QLineF(top.x(), y + square, top.x() + columns * square, y + square);
        for (int column = 0; column <= columns; ++column) {
            const qreal x = top.x() + column * square;
            rules << QLineF(x, y, x, y + square);
        }
    }
    painter.setPen(QPen(Rule, std::max(1.0, square / 40)));
    painter.drawLines(rules);
    painter.setPen(QPen(Rule, std::max(1.0, square / 16)));
    painter.setBrush(Qt::NoBrush);
    const qreal height = lines * pitch - (pitch - square);
    painter.drawRect(QRectF(top, QSizeF(columns * square, height)));

    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal lift = (metrics.ascent() - metrics.descent()) / 2;
    // Each character is shaped once and kept while the type stays the same.
    const QSize dpi(painter.device()->logicalDpiX(), painter.device()->logicalDpiY());
    if (m_glyphFont != font || m_glyphDpi != dpi) {
        m_glyphs.clear();
        m_glyphFont = font;
        m_glyphDpi = dpi;
    }
    for (auto cell = begin; cell != end; ++cell) {
        const QStringView text = QStringView(m_text).mid(cell->start, cell->length);
        if (Blank(text))
            continue;
        QRectF box = squareAt(cell->line, cell->column);
        if (cell->hang > 0) // beside the line's last square, one after another
            box.moveLeft(box.right() + (cell->hang - 1) * square * 0.4);
        switch (cell->part) {
        case ManuscriptGrid::Part::WithMark: // the bracket in the right half, the mark low left
            box.translate(square / 2, 0);
            break;
        case ManuscriptGrid::Part::FirstHalf:
            if (cell + 1 != end && cell[1].part == ManuscriptGrid::Part::SecondHalf)
                box.setWidth(square / 2);
            break;
        case ManuscriptGrid::Part::SecondHalf:
            box.setLeft(box.left() + square / 2);
            break;
        case ManuscriptGrid::Part::Whole:
            break;
        }
        const QString glyphs = text.toString();
        auto shaped = m_glyphs.find(glyphs);
        if (shaped == m_glyphs.end()) {
            QStaticText prepared(glyphs);
            prepared.setTextFormat(Qt::PlainText);
            prepared.setPerformanceHint(QStaticText::AggressiveCaching);
            prepared.prepare(QTransform(), font);
            shaped = m_glyphs.insert(glyphs, {prepared, metrics.horizontalAdvance(glyphs)});
        }
        const qreal advance = shaped->second;
        const qreal squeeze = advance > box.width() ? box.width() / advance : 1.0;
        painter.setPen(m_overflow >= 0 && cell->start >= m_overflow ? Warning : Ink);
        // The em box centred: a full-width 。 then stands low on the left by its design.
        const QPointF at(box.center().x() - advance * squeeze / 2,
                         box.center().y() + lift - metrics.ascent());
        if (squeeze < 1) { // two full-width digits in one square
            painter.save();
            painter.translate(at);
            painter.scale(squeeze, 1);
            painter.drawStaticText(QPointF(0, 0), shaped->first);
            painter.restore();
        } else {
            painter.drawStaticText(at, shaped->first);
        }
    }

    QFont small = font;
    small.setPixelSize(std::max(4, qRound(square * 0.45)));
    painter.setFont(small);
    painter.setPen(QColor(110, 110, 110));
    const QRectF under(top.x(), top.y() + height + square * 0.3, columns * square, square * 0.8);
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, foot);
    painter.drawText(under, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 / %2").arg(sheet).arg(Sheets()));
    painter.restore();
}

bool ManuscriptSheet::Render(QPagedPaintDevice& device, const QString& foot, QString* error) const
{
    if (!PdfComposer::FontsPresent(error))
        return false;
    QPainter painter;
    if (!painter.begin(&device)) {
        *error = QStringLiteral("ページを書き始められませんでした");
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // As large as the page allows, centred on it.
    const QSizeF page(device.width(), device.height());
    const QSizeF unit = SheetSize(1);
    const qreal square = std::min(page.width() / unit.width(), page.height() / unit.height());
    const QSizeF size = SheetSize(square);
    const QPointF origin((page.width() - size.width()) / 2, (page.height() - size.height()) / 2);
    const QFont font = Face(square);
    for (int sheet = 1; sheet <= Sheets(); ++sheet) {
        if (sheet > 1 && !device.newPage()) {
            *error = QStringLiteral("次のページを用意できませんでした");
            return false;
        }
        Paint(painter, sheet, origin, square, font, foot);
    }
    if (!painter.end()) {
        *error = QStringLiteral("ページを書き終えられませんでした");
        return false;
    }
    return true;
}

QByteArray ManuscriptSheet::Pdf(const QString& foot, QString* error) const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(PdfResolution);
    // A margin of 12 mm all round, which any printer can reach.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    writer.setCreator(ProgramName::Shown());
    writer.setTitle(QStringLiteral("下書き（原稿用紙）"));
    if (!Render(writer, foot, error))
        return {};
    return buffer.data();
}
