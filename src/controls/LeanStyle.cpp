// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeanStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <QTextLayout>
#include <QVarLengthArray>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Captions that QPainter::drawText would justify or mirror: those are left to it, and so
// are texts with tabs, breaks, mnemonics or length variants (see Plain).
constexpr int UnkeptFlags =
    Qt::TextJustificationForced | Qt::AlignJustify | Qt::TextForceRightToLeft | Qt::TextDontPrint;
// Enough for every caption of the window; past it the kept layouts start afresh.
constexpr qsizetype MostLayouts = 512;
constexpr qsizetype MostScrollBars = 64;
constexpr qsizetype MostButtons = 64;
// The tallest band of a scroll bar drawn at once (see LeanStyle::ScrollBarPicture).
constexpr int Band = 64;
// The width of a line that is not wrapped: wider than any caption.
constexpr qreal Unbounded = 0x01000000;

bool Plain(const QString& text)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\r':
        case u'\n':
        case u'\t':
        case u'&':
        case 0x9c:
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator:
            return false;
        default:
            break;
        }
    }
    return true;
}

bool WholePixels(qreal v)
{
    return v == std::floor(v);
}

// Only moved by whole pixels on a device of one pixel per unit, where a picture painted
// elsewhere lands on the same pixels.
bool PlainDevice(const QPainter* painter)
{
    const QTransform& transform = painter->transform();
    return painter->device() && painter->device()->devicePixelRatio() == 1 &&
           transform.type() <= QTransform::TxTranslate && WholePixels(transform.dx()) &&
           WholePixels(transform.dy());
}

// A kept picture's key, gathered as numbers and turned into bytes once: appending each
// to a byte array cost more than drawing a kept picture.
using PictureKey = QVarLengthArray<qint64, 256>;

void Add(PictureKey& key, qint64 value)
{
    key.append(value);
}

QByteArray Bytes(const PictureKey& key)
{
    return {reinterpret_cast<const char*>(key.constData()), key.size() * qsizetype(sizeof(qint64))};
}

// What a palette paints with, so that equal palettes of different widgets share a kept
// picture where their identities (cache keys) differ.
void AddPalette(PictureKey& key, const QPalette& palette)
{
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush =
                palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
            Add(key, qint64(quint64(brush.color().rgba64())));
            Add(key, brush.style());
            if (brush.style() == Qt::TexturePattern)
                Add(key, brush.texture().cacheKey());
            else if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
                Add(key, palette.cacheKey());
        }
    }
}

} // namespace

LeanStyle::LeanStyle(QStyle* base)
    : QProxyStyle(base),
      m_fusion(baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0),
      m_exactFusion(qstrcmp(baseStyle()->metaObject()->className(), "QFusionStyle") == 0)
{}

LeanStyle::~LeanStyle() = default;

void LeanStyle::Install()
{
    if (qobject_cast<LeanStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new LeanStyle(QApplication::style()));
}

void LeanStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                             const QPalette& palette, bool enabled, const QString& text,
                             QPalette::ColorRole textRole) const
{
    // Fusion draws every caption alike, enabled or not: in the role's colour if given.
    if (!m_fusion) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
        return;
    }
    if (text.isEmpty())
        return;
    const QPen savedPen = painter->pen();
    if (textRole != QPalette::NoRole)
        painter->setPen(QPen(palette.brush(textRole), savedPen.widthF()));
    if (!DrawKeptText(painter, rect, flags, text))
        painter->drawText(rect, flags, text);
    painter->setPen(savedPen);
}

bool LeanStyle::DrawKeptText(QPainter* painter, const QRect& rect, int flags,
                             const QString& text) const
{
    // A direction left open follows the text, which reads left to right unless it starts
    // in a right-to-left script.
    const QFont font = painter->font();
    const Qt::LayoutDirection direction =
        (flags & Qt::TextForceLeftToRight) ? Qt::LeftToRight : painter->layoutDirection();
    if ((flags & UnkeptFlags) || direction == Qt::RightToLeft ||
        (direction == Qt::LayoutDirectionAuto && text.isRightToLeft()) || font.underline() ||
        font.overline() || font.strikeOut() || !Plain(text))
        return false;
    if (painter->pen().style() == Qt::NoPen)
        return true;

    // Laid out as QPainter::drawText lays text out: lines as wide as the rectangle when
    // wrapped, one unbounded line otherwise, each line left-aligned and the next one
    // a leading below.
    const QRectF r(rect);
    const int wrap = (flags & Qt::TextWrapAnywhere) ? 2 : (flags & Qt::TextWordWrap) ? 1 : 0;
    const qreal lineWidth = wrap ? qMax<qreal>(0, r.width()) : Unbounded;
    const QSharedPointer<QTextLayout> layout = Layout({text, font, direction, wrap, lineWidth});

    // Qt stops at the line that fills the rectangle, unless told not to clip.
    const bool clipping = !(flags & Qt::TextDontClip);
    int lines = 0;
    qreal height = 0;
    qreal width = 0;
    while (lines < layout->lineCount() && !(clipping && lines > 0 && height >= r.height())) {
        const QTextLine line = layout->lineAt(lines++);
        height = line.y() + line.ascent() + line.descent();
        width = qMax(width, line.naturalTextWidth());
    }

    // Placed and clipped as QPainter::drawText places its lines, to the same fraction.
    qreal yoff = 0;
    if (flags & Qt::AlignBottom)
        yoff = r.height() - height;
    else if (flags & Qt::AlignVCenter)
        yoff = (r.height() - height) / 2;
    qreal xoff = 0;
    if (flags & Qt::AlignRight)
        xoff = r.width() - width;
    else if (flags & Qt::AlignHCenter)
        xoff = (r.width() - width) / 2;
    const bool clip = clipping && !r.contains(QRectF(r.x() + xoff, r.y() + yoff, width, height));
    if (clip) {
        painter->save();
        painter->setClipRect(rect, Qt::IntersectClip);
    }
    for (int i = 0; i < lines; ++i) {
        const QTextLine line = layout->lineAt(i);
        const qreal advance = line.horizontalAdvance();
        xoff = 0;
        if (flags & Qt::AlignRight)
            xoff = r.width() - advance;
        else if (flags & Qt::AlignHCenter)
            xoff = (r.width() - advance) / 2;
        line.draw(painter, QPointF(r.x() + xoff, r.y() + yoff));
    }
    if (clip)
        painter->restore();
    return true;
}

QSharedPointer<QTextLayout> LeanStyle::Layout(const Key& key) const
{
    QSharedPointer<QTextLayout> layout = m_layouts.value(key);
    if (layout)
        return layout;
    layout = QSharedPointer<QTextLayout>::create(key.text, key.font);
    QTextOption option;
    option.setTextDirection(key.direction);
    option.setAlignment(Qt::AlignLeft);
    if (key.wrap == 2)
        option.setWrapMode(QTextOption::WrapAnywhere);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    const qreal leading = QFontMetricsF(key.font).leading();
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(key.width);
        line.setPosition(QPointF(0, y));
        y += line.ascent() + line.descent() + leading;
    }
    layout->endLayout();
    if (m_layouts.size() >= MostLayouts)
        m_layouts.clear();
    m_layouts.insert(key, layout);
    return layout;
}

qreal LeanStyle::LineWidth(const QString& text, const QFont& font) const
{
    return Layout({text, font, Qt::LeftToRight, 0, Unbounded})->lineAt(0).naturalTextWidth();
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const
{
    if (element == PE_Frame && FillFrame(option, painter, widget))
        return;
    if (element == PE_PanelButtonCommand && DrawStretchedButton(option, painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool LeanStyle::FillFrame(const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const
{
    // Fusion strokes a one-pixel outline; only where that covers whole device pixels
    // in one opaque colour are four filled edges the same picture.
    const QRect& r = option->rect;
    if (!m_fusion || (widget && widget->inherits("QComboBoxPrivateContainer")) || r.width() < 2 ||
        r.height() < 2 || painter->testRenderHint(QPainter::Antialiasing) ||
        painter->brush().style() != Qt::NoBrush || !PlainDevice(painter) ||
        option->palette.window().style() == Qt::TexturePattern)
        return false;
    const QColor outline = option->palette.window().color().darker(140).lighter(108);
    if (outline.alpha() != 255)
        return false;
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), outline);
    painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), outline);
    painter->fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), outline);
    painter->fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), outline);
    return true;
}

void LeanStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const
{
    if (control == CC_ScrollBar && DrawKeptScrollBar(option, painter, widget))
        return;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

bool LeanStyle::DrawKeptScrollBar(const QStyleOptionComplex* option, QPainter* painter,
                                  const QWidget* widget) const
{
    // Fusion's bar starts with a groove of opaque colours over all of it and has no
    // animation unless it is transient: its picture blends nothing from under it. Only
    // a bar painting itself is kept: the widget clips what Fusion draws past its edge.
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (!m_fusion || !bar || !(bar->subControls & SC_ScrollBarGroove) || bar->rect.isEmpty() ||
        !widget || bar->rect != widget->rect() || widget->testAttribute(Qt::WA_PaintUnclipped) ||
        !PlainDevice(painter) || proxy()->styleHint(SH_ScrollBar_Transient, option, widget) ||
        bar->palette.button().color().alpha() != 255 ||
        bar->palette.button().style() != Qt::SolidPattern)
        return false;
    PictureKey values;
    for (const qint64 value :
         {qint64(bar->rect.width()), qint64(bar->rect.height()), qint64(bar->state),
          qint64(bar->direction), qint64(bar->subControls), qint64(bar->activeSubControls),
          qint64(bar->orientation), qint64(bar->minimum), qint64(bar->maximum),
          qint64(bar->upsideDown), qint64(bar->sliderPosition), qint64(bar->sliderValue),
          qint64(bar->singleStep), qint64(bar->pageStep), qint64(painter->renderHints()),
          qint64(painter->pen().color().rgba()), qint64(painter->brush().style())})
        Add(values, value);
    AddPalette(values, bar->palette);
    const QByteArray key = Bytes(values);
    QPixmap picture = m_scrollBars.value(key);
    if (picture.isNull()) {
        QStyleOptionSlider still = *bar;
        still.styleObject = nullptr;
        picture = StretchedScrollBar(still, painter, widget);
        if (picture.isNull())
            picture = ScrollBarPicture(still, painter, widget);
        if (m_scrollBars.size() >= MostScrollBars)
            m_scrollBars.clear();
        m_scrollBars.insert(key, picture);
    }
    painter->drawPixmap(0, 0, picture);
    return true;
}

QPixmap LeanStyle::ScrollBarPicture(const QStyleOptionSlider& bar, const QPainter* like,
                                    const QWidget* widget) const
{
    // Opaque, as the groove is: the picture is then copied, not blended, onto the window.
    QPixmap picture(bar.rect.size());
    picture.fill(bar.palette.button().color());
    // In bands, each its own picture: Qt blends a fill of 96 lines or more on its thread
    // pool, and the first frame's bars started the pool's threads and waited for them,
    // which took longer than the drawing.
    QPainter whole(&picture);
    for (int top = 0; top < picture.height(); top += Band) {
        QPixmap band(picture.width(), qMin(Band, picture.height() - top));
        band.fill(bar.palette.button().color());
        QPainter p(&band);
        p.setPen(like->pen());
        p.setBrush(like->brush());
        p.setFont(like->font());
        p.setRenderHints(like->renderHints());
        p.setLayoutDirection(like->layoutDirection());
        p.translate(0, -top);
        QProxyStyle::drawComplexControl(CC_ScrollBar, &bar, &p, widget);
        p.end();
        whole.drawPixmap(0, top, band);
    }
    return picture;
}

QPixmap LeanStyle::StretchedScrollBar(const QStyleOptionSlider& bar, const QPainter* like,
                                      const QWidget* widget) const
{
    // With nothing to scroll, Fusion's upright bar is its two arrow buttons and a slider
    // the length of the groove, every colour of it graded across and none down: each row
    // between the buttons' and the slider's edges is the same. A short bar is drawn and
    // its middle row repeated, where the whole bar took most of the first frame's
    // drawing of bars. Short is tall enough for the widest bar's two arrow buttons and a
    // slider's edges between them; a bar for which it is not draws whole.
    constexpr int Short = 48;
    if (!m_exactFusion || bar.orientation != Qt::Vertical || bar.minimum != bar.maximum ||
        bar.rect.height() <= Short)
        return {};
    QStyleOptionSlider brief = bar;
    brief.rect.setHeight(Short);
    const int middle = Short / 2;
    constexpr int Clear = 4; // rows kept clear of an edge, for its shading
    const QRect up = proxy()->subControlRect(CC_ScrollBar, &brief, SC_ScrollBarSubLine, widget);
    const QRect down = proxy()->subControlRect(CC_ScrollBar, &brief, SC_ScrollBarAddLine, widget);
    const QRect slider = proxy()->subControlRect(CC_ScrollBar, &brief, SC_ScrollBarSlider, widget);
    if (up.bottom() + Clear >= middle || down.top() - Clear <= middle ||
        slider.top() + Clear >= middle || slider.bottom() - Clear <= middle)
        return {};
    const QImage rows = ScrollBarPicture(brief, like, widget).toImage();
    QImage whole(bar.rect.size(), rows.format());
    const qsizetype length = rows.bytesPerLine();
    const int added = whole.height() - Short;
    for (int y = 0; y < whole.height(); ++y) {
        // The top half as drawn, the middle row as often as needed, then the bottom half.
        const int from = y < middle ? y : qMax(middle, y - added);
        std::memcpy(whole.scanLine(y), rows.constScanLine(from), size_t(length));
    }
    return QPixmap::fromImage(std::move(whole));
}

bool LeanStyle::DrawStretchedButton(const QStyleOption* option, QPainter* painter,
                                    const QWidget* widget) const
{
    // Fusion grades a button's face down and not across, and rounds only its ends: every
    // column between them is the same. A narrow face is drawn and its middle column
    // repeated, where each width of face was drawn whole, most of it antialiased.
    constexpr int Narrow = 10; // rounded ends of four columns each, and a middle between
    const QRect& rect = option->rect;
    if (!m_exactFusion || rect.width() <= Narrow || rect.height() <= 0 || !PlainDevice(painter))
        return false;
    QStyleOptionButton brief;
    static_cast<QStyleOption&>(brief) = *option;
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        // A flat face is a few lines drawn straight onto the painter.
        if (button->features & QStyleOptionButton::Flat)
            return false;
        brief = *button;
    }
    PictureKey values;
    for (const qint64 value : {qint64(option->type), qint64(option->version), qint64(option->state),
                               qint64(option->direction), qint64(brief.features),
                               qint64(rect.width()), qint64(rect.height())})
        Add(values, value);
    AddPalette(values, option->palette);
    const QByteArray key = Bytes(values);
    QImage face = m_buttons.value(key);
    if (face.isNull()) {
        brief.rect = QRect(0, 0, Narrow, rect.height());
        brief.styleObject = nullptr;
        QImage narrow(brief.rect.size(), QImage::Format_ARGB32_Premultiplied);
        narrow.fill(Qt::transparent);
        QPainter p(&narrow);
        QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &brief, &p, widget);
        p.end();
        face = QImage(rect.size(), QImage::Format_ARGB32_Premultiplied);
        const int middle = Narrow / 2;
        const int added = rect.width() - Narrow;
        for (int y = 0; y < face.height(); ++y) {
            const auto* from = reinterpret_cast<const quint32*>(narrow.constScanLine(y));
            auto* to = reinterpret_cast<quint32*>(face.scanLine(y));
            std::copy(from, from + middle, to);
            std::fill(to + middle, to + middle + added + 1, from[middle]);
            std::copy(from + middle + 1, from + Narrow, to + middle + added + 1);
        }
        if (m_buttons.size() >= MostButtons)
            m_buttons.clear();
        m_buttons.insert(key, face);
    }
    painter->drawImage(rect.topLeft(), face);
    return true;
}
