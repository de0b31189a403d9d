// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#pragma once

#include "ArtworkPainter.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, drawn in code so that they stay sharp at any scale and
// need no image files. Those with words are drawn at build time for a scale of 1 too.
class Artwork
{
public:
    static constexpr QSize BannerSize = ArtworkPainter::BannerSize;
    static constexpr QSize ArrowSize{13, 13};
    static constexpr QSize GuideButtonSize = ArtworkPainter::GuideButtonSize;

    // Every picture is drawn for `scale` device pixels per pixel; the default, 0, takes
    // the screens' ratio, so pictures stay sharp under display scaling.

    // A page title or heading: `text` in white on `background`.
    static QPixmap Banner(const QString& text, const QColor& background, qreal scale = 0);
    // A line under a banner: `text` in `colour` on white, marked by a bar at its left.
    static QPixmap SubHeading(const QString& text, const QColor& colour, qreal scale = 0);
    // The faculty arrow: a one-pixel frame and a right-pointing triangle on white.
    static QPixmap Arrow(const QColor& colour, qreal scale = 0);
    // "このソフトの使い方" in white on a grey button face.
    static QPixmap GuideButton(qreal scale = 0);
    // The application icon at one square size.
    static QPixmap IconImage(int size);
    static QIcon AppIcon();
};
