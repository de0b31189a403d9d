// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ManuscriptGrid.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QStaticText>
#include <QString>

class QPagedPaintDevice;
class QPainter;

// A draft written on 原稿用紙 as on a printed sheet: ruled squares, each character
// centred in its square, 、 and 。 low on the left as horizontal writing has them,
// hung marks just past a line's last square, the sheet's number underneath and the
// first square past the allowed lines marked. The same routine paints the screen,
// the PDF and the printer.
class ManuscriptSheet
{
public:
    static constexpr qreal LinePitch = 1.25; // a line of squares and the gap under it, in squares
    static constexpr qreal Margin = 1;       // above and left of the squares, in squares
    static constexpr qreal HangRoom = 1.5;   // right of them, where marks hang
    static constexpr qreal FootHeight = 1.5; // under them, for the sheet's number

    ManuscriptSheet(const ManuscriptGrid& grid, int allowedLines);

    // Lays `text` out afresh.
    void SetText(const QString& text);
    const ManuscriptGrid& Grid() const { return m_grid; }
    const QString& Text() const { return m_text; }
    const QList<ManuscriptGrid::Cell>& Cells() const { return m_cells; }
    int Lines() const { return m_cells.isEmpty() ? 0 : m_cells.last().line; }
    int Sheets() const { return m_grid.Sheets(Lines()); }
    // Where the first character past the allowed lines starts, or -1.
    qsizetype Overflow() const { return m_overflow; }

    // One sheet's size with its margins, for squares `square` wide.
    QSizeF SheetSize(qreal square) const;
    // Sheet `sheet` (from 1) with its top left at `origin`; `font` is sized for the
    // painter's units, `foot` goes under the squares beside the sheet's number.
    void Paint(QPainter& painter, int sheet, QPointF origin, qreal square, const QFont& font,
               const QString& foot) const;
    // Every sheet, one to a page, as large as the page allows; fonts embedded.
    bool Render(QPagedPaintDevice& device, const QString& foot, QString* error) const;
    QByteArray Pdf(const QString& foot, QString* error) const;

    // The type for squares `square` device pixels wide.
    static QFont Face(qreal square);

private:
    ManuscriptGrid m_grid;
    int m_allowedLines;
    QString m_text;
    QList<ManuscriptGrid::Cell> m_cells;
    qsizetype m_overflow = -1;
    // Characters shaped for painting, with their advances, for one type at one resolution.
    mutable QHash<QString, std::pair<QStaticText, qreal>> m_glyphs;
    mutable QFont m_glyphFont;
    mutable QSize m_glyphDpi;
};
