// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// Draws the pictures that carry words, for `scale` device pixels per pixel. The
// program shows them through Artwork, which takes those made at build time where it
// has them; the build-time tool draws them here, so both are the same pictures.
class ArtworkPainter
{
public:
    static constexpr QSize BannerSize{272, 22};
    static constexpr QSize GuideButtonSize{137, 23};

    static QPixmap Banner(const QString& text, const QColor& background, qreal scale);
    static QPixmap SubHeading(const QString& text, const QColor& colour, qreal scale);
    static QPixmap GuideButton(qreal scale);
    // A canvas of `size` for `scale`; 0 takes the screens' ratio.
    static QPixmap Canvas(QSize size, qreal scale);
};
