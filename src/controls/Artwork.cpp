// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#include "Artwork.h"

#include "AppIconEngine.h"
#include "ArtworkPainter.h"
#include "PrerenderedArtwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

qreal Resolved(qreal scale)
{
    return scale > 0 ? scale : (qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

// The picture made at build time, where there is one for this scale: drawing its words
// would load a bold face at a size nothing else in the first frame uses.
QPixmap Made(PrerenderedArtwork::Kind kind, const QString& text, const QColor& colour, qreal scale)
{
    if (Resolved(scale) != 1.0)
        return {};
    return QPixmap::fromImage(PrerenderedArtwork::Find(kind, text, colour.rgb()));
}

} // namespace

QPixmap Artwork::Banner(const QString& text, const QColor& background, qreal scale)
{
    const QPixmap made = Made(PrerenderedArtwork::Banner, text, background, scale);
    return made.isNull() ? ArtworkPainter::Banner(text, background, scale) : made;
}

QPixmap Artwork::SubHeading(const QString& text, const QColor& colour, qreal scale)
{
    const QPixmap made = Made(PrerenderedArtwork::SubHeading, text, colour, scale);
    return made.isNull() ? ArtworkPainter::SubHeading(text, colour, scale) : made;
}

QPixmap Artwork::GuideButton(qreal scale)
{
    const QPixmap made = Made(PrerenderedArtwork::GuideButton, {}, QColor(), scale);
    return made.isNull() ? ArtworkPainter::GuideButton(scale) : made;
}

QPixmap Artwork::Arrow(const QColor& colour, qreal scale)
{
    QPixmap pixmap = ArtworkPainter::Canvas(ArrowSize, scale);
    // The frame as two fills rather than a stroked outline: a pen would sit half a
    // pixel inside the edge and leave a white seam once scaled.
    pixmap.fill(colour);
    QPainter p(&pixmap);
    p.fillRect(QRectF(1, 1, ArrowSize.width() - 2, ArrowSize.height() - 2), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(4.5, 3), QPointF(9.5, 6.5), QPointF(4.5, 10)}));
    return pixmap;
}

QPixmap Artwork::IconImage(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // Four index tabs in the colours of the program's tabs, behind a sheet of writing.
    const QColor tabs[] = {QColor(255, 0, 102), QColor(51, 153, 255), QColor(143, 213, 0),
                           QColor(255, 153, 0)};
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(tabs[i]);
        p.drawRoundedRect(QRectF(44, 8 + i * 12, 16, 10), 3, 3);
    }
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(51, 51, 51), 3));
    p.drawRoundedRect(QRectF(6, 4, 46, 56), 5, 5);
    p.setPen(QPen(QColor(127, 157, 185), 3, Qt::SolidLine, Qt::RoundCap));
    for (int y = 18; y <= 48; y += 10)
        p.drawLine(QPointF(14, y), QPointF(y == 48 ? 32 : 44, y));
    p.setPen(QPen(QColor(255, 0, 102), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 50), QPointF(48, 36));
    return pixmap;
}

QIcon Artwork::AppIcon()
{
    return QIcon(new AppIconEngine);
}
