// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#include "Artwork.h"

#include "AppIconEngine.h"
#include "UiFonts.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap Canvas(QSize size, qreal scale)
{
    if (scale <= 0)
        scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

} // namespace

QPixmap Artwork::Banner(const QString& text, const QColor& background, qreal scale)
{
    QPixmap pixmap = Canvas(BannerSize, scale);
    pixmap.fill(background);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(UiFonts::Banner(14));
    p.setPen(Qt::white);
    p.drawText(QRect(QPoint(6, 0), BannerSize - QSize(8, 0)), Qt::AlignLeft | Qt::AlignVCenter,
               text);
    return pixmap;
}

QPixmap Artwork::SubHeading(const QString& text, const QColor& colour, qreal scale)
{
    QPixmap pixmap = Canvas(BannerSize, scale);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    const QRect r(QPoint(0, 0), BannerSize);
    p.fillRect(0, 0, 5, r.height(), colour);
    p.fillRect(0, r.height() - 2, r.width(), 2, colour);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(UiFonts::Banner(13));
    p.setPen(colour.darker(170));
    p.drawText(r.adjusted(12, 0, -4, -2), Qt::AlignLeft | Qt::AlignVCenter, text);
    return pixmap;
}

QPixmap Artwork::Arrow(const QColor& colour, qreal scale)
{
    QPixmap pixmap = Canvas(ArrowSize, scale);
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

QPixmap Artwork::GuideButton(qreal scale)
{
    QPixmap pixmap = Canvas(GuideButtonSize, scale);
    const QRect r(QPoint(0, 0), GuideButtonSize);
    QPainter p(&pixmap);
    QLinearGradient face(0, 0, 0, r.height());
    face.setColorAt(0, QColor(150, 150, 150));
    face.setColorAt(1, QColor(110, 110, 110));
    p.fillRect(r, face);
    p.setPen(QColor(200, 200, 200));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(UiFonts::Banner(13));
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("このソフトの使い方"));
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
