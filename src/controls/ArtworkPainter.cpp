// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#include "ArtworkPainter.h"

#include "UiFonts.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

QPixmap ArtworkPainter::Canvas(QSize size, qreal scale)
{
    if (scale <= 0)
        scale = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QPixmap ArtworkPainter::Banner(const QString& text, const QColor& background, qreal scale)
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

QPixmap ArtworkPainter::SubHeading(const QString& text, const QColor& colour, qreal scale)
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

QPixmap ArtworkPainter::GuideButton(qreal scale)
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
