// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QTextLayout;

// Sets text, rules and pictures on A4 pages in the manner of Japanese book work:
// baselines on a fixed pitch, lines justified to a whole number of ems, and blocks
// kept from splitting awkwardly across pages. Everything is laid out first and
// painted afterwards, so the page furniture can know the page count.
// Lengths are in points.
class PdfComposer
{
public:
    struct TextStyle
    {
        QFont font;      // its point size is the type size
        qreal pitch = 0; // baseline to baseline
        QColor colour = Qt::black;
        Qt::Alignment alignment = Qt::AlignJustify;
        qreal indent = 0;  // left indent of every line
        qreal hanging = 0; // further indent of the second and later lines
    };

    struct Mark
    {
        int number;
        QPointF at; // in the picture's own pixels
    };

    // Draws the furniture of page `page` (0-based) of `count` on the finished layout.
    using PageFurniture = std::function<void(QPainter& painter, int page, int count)>;

    static constexpr qreal PageWidth = 595.28;
    static constexpr qreal PageHeight = 841.89;

    // The text block: its left edge, the top of its first line, its width, and the
    // lowest point a line may reach.
    PdfComposer(qreal left, qreal top, qreal width, qreal bottom);
    ~PdfComposer();

    // A paragraph, broken by Unicode rules (no line opens with a closing mark).
    void Paragraph(const QString& text, const TextStyle& style);
    // One line: `left` set from the left edge, `right` flush with the right edge.
    void Pair(const QString& left, const QString& right, const TextStyle& style);
    void Space(qreal height);
    // A rule `thickness` thick, `indent` from the left edge and `length` long (0: to the right
    // edge).
    void Rule(qreal thickness, const QColor& colour, qreal indent = 0, qreal length = 0);
    // A row of equal segments, one per colour, across the text width.
    void ColourBar(qreal thickness, const QList<QColor>& colours);
    // A picture `width` wide, centred, with numbered marks drawn over it.
    void Picture(const QImage& image, qreal width, const QList<Mark>& marks = {});
    // Starts a new page unless at least `height` is left on this one.
    void KeepTogether(qreal height);
    void PageBreak();
    // Who made the document, as its properties say.
    void SetCreator(const QString& creator);
    // The page now being filled, from 0.
    int Page() const { return m_page; }

    // The laid-out pages as a PDF, or nothing with the reason in `error`.
    QByteArray Render(const QString& title, const PageFurniture& furniture, QString* error);
    // Paints the laid-out pages on another device, a printer, at its own resolution.
    bool Print(QPagedPaintDevice& device, const PageFurniture& furniture, QString* error);
    // Writes the laid-out pages to `path`; `error` gets the reason on failure.
    bool Write(const QString& path, const QString& title, const PageFurniture& furniture,
               QString* error);

    // Page furniture helpers, in points.
    static void DrawText(QPainter& painter, const QRectF& rect, int flags, const QString& text,
                         const QFont& font, const QColor& colour);
    static void DrawRule(QPainter& painter, const QRectF& rect, const QColor& colour);

    // The faces the documents are set in, and those of them not installed.
    static QFont Mincho(qreal points);
    static QFont Gothic(qreal points);
    static QString MissingFonts();
    // False, with what to install in `error`, when a face the desk's pages need is missing.
    static bool FontsPresent(QString* error);

private:
    struct Item
    {
        enum class Kind
        {
            Line,
            Block,
            Picture
        } kind;
        int page = 0;
        QRectF rect; // points; a line has only a left end, on its baseline
        std::shared_ptr<QTextLayout> layout;
        int line = 0;
        QColor colour;
        QImage image;
        QList<Mark> marks;
    };

    void Place(Item item, qreal height);
    void Justify(Item* item, const QFont& font, qreal width) const;

    qreal m_left;
    qreal m_top;
    qreal m_width;
    qreal m_bottom;
    qreal m_y;
    int m_page = 0;
    std::vector<Item> m_items;
    // Text is laid out against the writer itself, so metrics match the output exactly.
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
};
