// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ManuscriptGrid.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

enum class Kind : quint8
{
    Break,
    Plain,
    Digit,  // shares a square with the next digit
    Lower,  // shares a square with the next lowercase letter
    Stop,   // 。、，．: never opens a line, takes a closing bracket into its square
    Closer, // never opens a line
    Opener, // never ends a line
    Circle, // a fill-in figure
    Point,  // ． . , : part of a figure between digits
};

Kind Classify(char32_t c)
{
    if (c < 0x80) {
        if (c == '\n' || c == '\r')
            return Kind::Break;
        if (c >= '0' && c <= '9')
            return Kind::Digit;
        if (c >= 'a' && c <= 'z')
            return Kind::Lower;
        if (c == '.' || c == ',')
            return Kind::Point;
        return Kind::Plain;
    }
    switch (c) {
    case 0x2028: // line and paragraph separators, as a text document may hand them
    case 0x2029:
        return Kind::Break;
    case 0x3001: // 、
    case 0x3002: // 。
    case 0xFF0C: // ，
    case 0xFF61: // ｡
    case 0xFF64: // ､
        return Kind::Stop;
    case 0xFF0E: // ．
        return Kind::Point;
    case 0x300D: // 」
    case 0x300F: // 』
    case 0xFF09: // ）
    case 0x3011: // 】
    case 0x3015: // 〕
    case 0x3009: // 〉
    case 0x300B: // 》
    case 0x3017: // 〗
    case 0x3019: // 〙
    case 0xFF3D: // ］
    case 0xFF5D: // ｝
    case 0xFF63: // ｣
        return Kind::Closer;
    case 0x300C: // 「
    case 0x300E: // 『
    case 0xFF08: // （
    case 0x3010: // 【
    case 0x3014: // 〔
    case 0x3008: // 〈
    case 0x300A: // 《
    case 0x3016: // 〖
    case 0x3018: // 〘
    case 0xFF3B: // ［
    case 0xFF5B: // ｛
    case 0xFF62: // ｢
        return Kind::Opener;
    case 0x25CB: // ○
        return Kind::Circle;
    default:
        break;
    }
    if (c >= 0xFF10 && c <= 0xFF19)
        return Kind::Digit;
    if (c >= 0xFF41 && c <= 0xFF5A)
        return Kind::Lower;
    return Kind::Plain;
}

struct Cluster
{
    qsizetype start = 0;
    int length = 0;
    Kind kind = Kind::Break;
};

// The text's characters as the desk counts them, read on demand: the layout looks a
// few characters ahead at most, and a long draft is not copied into a list first.
class Clusters
{
public:
    explicit Clusters(QStringView text)
        : m_text(text), m_finder(QTextBoundaryFinder::Grapheme, text)
    {}

    // The character starting at `start`, by its own code point alone.
    Cluster At(qsizetype start) const
    {
        if (start >= m_text.size())
            return {start, 0, Kind::Break};
        m_finder.setPosition(start);
        qsizetype end = m_finder.toNextBoundary();
        if (end <= start)
            end = m_text.size();
        const QChar first = m_text.at(start);
        char32_t code = first.unicode();
        if (first.isHighSurrogate() && end > start + 1 && m_text.at(start + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(first, m_text.at(start + 1));
        return {start, int(end - start), Classify(code)};
    }

    // A point or comma between two digits belongs to the figure; between fill-in marks
    // it still stands for a figure's point and may open a line.
    Kind Resolve(const Cluster& c, Kind before) const
    {
        if (c.kind != Kind::Point)
            return c.kind;
        const Kind after = At(c.start + c.length).kind;
        const auto figure = [](Kind k) { return k == Kind::Digit || k == Kind::Circle; };
        if (before == Kind::Digit && after == Kind::Digit)
            return Kind::Digit;
        if (figure(before) && figure(after))
            return Kind::Plain;
        return m_text.at(c.start) == u'\uFF0E' ? Kind::Stop : Kind::Plain;
    }

    qsizetype Size() const { return m_text.size(); }

private:
    QStringView m_text;
    mutable QTextBoundaryFinder m_finder; // moved about by lookahead
};

bool IsBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029';
}

} // namespace

ManuscriptGrid::ManuscriptGrid(int columns, int linesPerSheet)
    : m_columns(std::max(columns, 1)), m_linesPerSheet(std::max(linesPerSheet, 1))
{}

template <typename Sink> void ManuscriptGrid::LayOut(QStringView text, Sink&& sink, int line) const
{
    const Clusters clusters(text);
    const int full = m_columns;
    int used = 0;                // squares begun on this line
    int hung = 0;                // marks hung past its end
    Kind half = Kind::Break;     // what waits in a half-filled last square
    Kind previous = Kind::Break; // as resolved
    Kind raw = Kind::Break;      // as written, for the next point's neighbours
    Cell last;
    const auto newLine = [&] {
        ++line;
        used = 0;
        hung = 0;
        half = Kind::Break;
    };
    const auto put = [&](const Cell& cell, Kind kind) {
        sink(cell);
        last = cell;
        previous = kind;
    };

    for (qsizetype at = 0; at < clusters.Size();) {
        Cluster c = clusters.At(at);
        at += c.length;
        const Kind written = c.kind;
        c.kind = clusters.Resolve(c, raw);
        raw = written;
        Cell cell{c.start, c.length, line, 0, Part::Whole, 0};
        switch (c.kind) {
        case Kind::Break:
            newLine();
            previous = Kind::Break;
            continue;
        case Kind::Closer:
            if (previous == Kind::Stop) { // 。」 in one square, wherever it stands
                cell = last;
                cell.start = c.start;
                cell.length = c.length;
                cell.part = Part::WithMark;
                put(cell, c.kind);
                continue;
            }
            [[fallthrough]];
        case Kind::Stop:
            if (used == full) { // hung beside the full line, however many in a row
                cell.column = full;
                cell.hang = ++hung;
                half = Kind::Break;
                put(cell, c.kind);
                continue;
            }
            break;
        case Kind::Opener:
            // A run of openers goes to the next line with the character they open,
            // when that character would not fit on this one.
            if (previous != Kind::Opener && used > 0) {
                int run = 1;
                Cluster next = clusters.At(at);
                for (; next.kind == Kind::Opener; next = clusters.At(next.start + next.length))
                    ++run;
                if (next.length > 0 && next.kind != Kind::Break && used + run >= full)
                    newLine();
            }
            break;
        case Kind::Digit:
        case Kind::Lower:
            if (half == c.kind) {
                cell.column = used;
                cell.part = Part::SecondHalf;
                half = Kind::Break;
                put(cell, c.kind);
                continue;
            }
            if (used == full)
                newLine();
            cell.line = line;
            cell.column = ++used;
            cell.part = Part::FirstHalf;
            half = c.kind;
            put(cell, c.kind);
            continue;
        default:
            break;
        }
        if (used == full)
            newLine();
        cell.line = line;
        cell.column = ++used;
        half = Kind::Break;
        put(cell, c.kind);
    }
}

QList<ManuscriptGrid::Cell> ManuscriptGrid::Cells(QStringView text) const
{
    QList<Cell> cells;
    cells.reserve(text.size());
    LayOut(text, [&cells](const Cell& cell) { cells.append(cell); });
    return cells;
}

ManuscriptGrid::Extent ManuscriptGrid::Measure(const QString& text, int allowedLines,
                                               Memo* memo) const
{
    Memo fresh{m_columns, text, {}};
    const bool known = memo && memo->columns == m_columns;
    // What the text shares with the one measured last, at its head and at its tail.
    qsizetype head = 0, tail = 0;
    if (known) {
        const QString& before = memo->text;
        const qsizetype shorter = qMin(before.size(), text.size());
        while (head < shorter && before.at(head) == text.at(head))
            ++head;
        while (tail < shorter - head &&
               before.at(before.size() - 1 - tail) == text.at(text.size() - 1 - tail))
            ++tail;
    }
    const qsizetype shift = known ? text.size() - memo->text.size() : 0;
    // The lines a paragraph took before, where it and the breaks around it are unchanged.
    const auto remembered = [&](qsizetype start, qsizetype end) {
        if (!known)
            return -1;
        if (head == text.size() && head == memo->text.size())
            return memo->lines.value(start, -1);
        if (end < head)
            return memo->lines.value(start, -1);
        if (start > 0 && start - 1 >= text.size() - tail)
            return memo->lines.value(start - shift, -1);
        return -1;
    };
    Extent extent;
    int lines = 0; // before the paragraph at hand
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype end = start;
        while (end < text.size() && !IsBreak(text.at(end)))
            ++end;
        const QStringView paragraph = QStringView(text).mid(start, end - start);
        if (!paragraph.isEmpty()) {
            int own = remembered(start, end);
            if (own < 0)
                LayOut(paragraph, [&own](const Cell& cell) { own = cell.line; });
            if (memo)
                fresh.lines.insert(start, own);
            if (extent.overflow < 0 && allowedLines > 0 && lines + own > allowedLines) {
                LayOut(
                    paragraph,
                    [&extent, start, allowedLines](const Cell& cell) {
                        if (extent.overflow < 0 && cell.line > allowedLines)
                            extent.overflow = start + cell.start;
                    },
                    lines + 1);
            }
            lines += own;
            extent.lines = lines;
        } else {
            lines += 1; // an empty line, counted once a character follows it
        }
        // CR LF is one break.
        if (end + 1 < text.size() && text.at(end) == u'\r' && text.at(end + 1) == u'\n')
            ++end;
        start = end + 1;
    }
    if (memo)
        *memo = std::move(fresh);
    return extent;
}

const QList<ManuscriptGrid::Form>& ManuscriptGrid::Forms()
{
    static const QList<Form> forms{{20, 20, 1}, {20, 20, 2}, {20, 10, 1}};
    return forms;
}

QString ManuscriptGrid::Form::Label() const
{
    const QString size = QStringLiteral("%1字×%2行").arg(columns).arg(Lines());
    if (columns != 20 || (linesPerSheet != 20 && linesPerSheet != 10))
        return size;
    const QString squares = QStringLiteral("%1字詰め").arg(columns * linesPerSheet);
    if (sheets > 1)
        return squares + QStringLiteral(" %1枚（%2）").arg(sheets).arg(size);
    return squares + QStringLiteral("（%1）").arg(size);
}

QString ManuscriptGrid::Status(int count, int lines, int allowedLines)
{
    const QString used =
        QStringLiteral("%1 字 ／ %2 行（%3 行中、").arg(count).arg(lines).arg(allowedLines);
    if (lines > allowedLines)
        return used + QStringLiteral("%1 行超過）").arg(lines - allowedLines);
    return used + QStringLiteral("残り %1 行）").arg(allowedLines - lines);
}
