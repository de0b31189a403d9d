// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QProxyStyle>
#include <QSharedPointer>

class QStyleOptionSlider;
class QTextLayout;

// The platform's style, drawn with less work and the same pixels. Every paint of a
// label, button or check box laid its caption out and shaped it anew; here a caption is
// laid out once per text, font and wrapping width and drawn as Qt would draw it.
// Fusion's plain frame, stroked pixel by pixel, is filled as four edges instead; a scroll
// bar, which Fusion paints opaque from edge to edge, is kept as a picture per state; and a
// button's face is kept per size and state, stretched from a narrow one.
class LeanStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Takes `base` over, as QProxyStyle does.
    explicit LeanStyle(QStyle* base);
    ~LeanStyle() override;

    // Makes the application's style a LeanStyle over the one it has, once.
    static void Install();

    // The width of one line of `text` drawn left to right in `font`, without its trailing
    // spaces, from the layout the line's paint uses.
    qreal LineWidth(const QString& text, const QFont& font) const;

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    struct Key
    {
        QString text;
        QFont font;
        Qt::LayoutDirection direction;
        int wrap; // none, at words, anywhere
        qreal width;
        bool operator==(const Key& other) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) noexcept
    {
        return qHashMulti(seed, key.text, key.font, int(key.direction), key.wrap, key.width);
    }

    QSharedPointer<QTextLayout> Layout(const Key& key) const;
    bool DrawKeptText(QPainter* painter, const QRect& rect, int flags, const QString& text) const;
    bool FillFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool DrawKeptScrollBar(const QStyleOptionComplex* option, QPainter* painter,
                           const QWidget* widget) const;
    // Fusion's button face, stretched from a narrow one and kept per size and state.
    bool DrawStretchedButton(const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const;
    // Fusion's picture of `bar`, drawn with the pen, brush, font and hints of `like`.
    QPixmap ScrollBarPicture(const QStyleOptionSlider& bar, const QPainter* like,
                             const QWidget* widget) const;
    // The same picture stretched from a short one where it is known to be, else none.
    QPixmap StretchedScrollBar(const QStyleOptionSlider& bar, const QPainter* like,
                               const QWidget* widget) const;

    bool m_fusion;
    // Fusion itself, not a style of that name: the stretched pictures rely on how it draws.
    bool m_exactFusion;
    mutable QHash<Key, QSharedPointer<QTextLayout>> m_layouts;
    mutable QHash<QByteArray, QPixmap> m_scrollBars;
    mutable QHash<QByteArray, QImage> m_buttons;
};
