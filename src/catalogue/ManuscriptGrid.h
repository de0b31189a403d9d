// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// A text on 原稿用紙: squares, `columns` to a line and `linesPerSheet` lines to a sheet,
// filled by the rules Japanese schools teach. The rules give logical cells (which
// line, which square, which part of it); where a line and a square stand on paper is
// the view's business, so a vertical view could use the same cells.
class ManuscriptGrid
{
public:
    static constexpr int MinColumns = 10;
    static constexpr int MaxColumns = 50;
    static constexpr int MinLines = 1;
    static constexpr int MaxLines = 100;

    // Where in its square a character sits.
    enum class Part : quint8
    {
        Whole,
        FirstHalf, // of two digits or lowercase letters sharing a square
        SecondHalf,
        WithMark, // a closing bracket sharing the square of the 。 or 、 just before it
    };

    // One character: a grapheme cluster, as the desk counts them.
    struct Cell
    {
        qsizetype start = 0; // UTF-16 offset
        int length = 0;      // UTF-16 units
        int line = 0;        // from 1, counted on across sheets
        int column = 0;      // the square, from 1; a hung mark has the line's last
        Part part = Part::Whole;
        int hang = 0; // 0, or n for the n-th mark hung past the line's last square
        bool operator==(const Cell&) const = default;
    };

    // A form's grid: its squares to a line, lines to a sheet, and sheets.
    struct Form
    {
        int columns = 20;
        int linesPerSheet = 20;
        int sheets = 1;
        int Lines() const { return linesPerSheet * sheets; }
        ManuscriptGrid Grid() const { return ManuscriptGrid(columns, linesPerSheet); }
        // "400字詰め（20字×20行）" for the usual sheets, "40字×15行" for a form's own.
        QString Label() const;
        bool operator==(const Form&) const = default;
    };
    // The sheets schools and application forms use most.
    static const QList<Form>& Forms();

    struct Extent
    {
        int lines = 0;           // up to the last character's line
        qsizetype overflow = -1; // where the first character past the allowed lines starts
    };

    ManuscriptGrid(int columns, int linesPerSheet);

    int Columns() const { return m_columns; }
    int LinesPerSheet() const { return m_linesPerSheet; }

    // The text last measured and the lines each of its paragraphs took, by where the
    // paragraph starts. A line break starts afresh, so a keystroke need lay out only
    // the paragraph it changed: the others stand in the text's unchanged head or tail.
    struct Memo
    {
        int columns = 0;
        QString text;
        QHash<qsizetype, int> lines;
    };

    // Every character but line breaks, in text order.
    QList<Cell> Cells(QStringView text) const;
    // The lines used, and the first character past `allowedLines` (0: no limit);
    // `memo`, if given, is read and brought up to date.
    Extent Measure(const QString& text, int allowedLines, Memo* memo = nullptr) const;

    int SheetOf(int line) const { return (line - 1) / m_linesPerSheet + 1; }
    int LineOnSheet(int line) const { return (line - 1) % m_linesPerSheet + 1; }
    // Sheets that `lines` lines need; an empty text still has its one blank sheet.
    int Sheets(int lines) const { return lines <= 0 ? 1 : SheetOf(lines); }

    // "N 字 ／ 18 行（20 行中、残り 2 行）", over the limit "（20 行中、3 行超過）".
    static QString Status(int count, int lines, int allowedLines);

private:
    // From line `line` on; a paragraph alone is laid out as the whole text would lay it.
    template <typename Sink> void LayOut(QStringView text, Sink&& sink, int line = 1) const;

    int m_columns;
    int m_linesPerSheet;
};
