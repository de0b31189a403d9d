// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIconEngine.h"

#include "Artwork.h"

#include <QPainter>

const QList<int>& AppIconEngine::Sizes()
{
    static const QList<int> sizes{16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

void AppIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QPixmap AppIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = qMax(1, qMin(size.width(), size.height()));
    auto drawn = m_drawn.constFind(side);
    if (drawn == m_drawn.cend())
        drawn = m_drawn.insert(side, Artwork::IconImage(side));
    return *drawn;
}

QList<QSize> AppIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : Sizes())
        sizes << QSize(side, side);
    return sizes;
}

QIconEngine* AppIconEngine::clone() const
{
    return new AppIconEngine(*this);
}

QString AppIconEngine::key() const
{
    return QStringLiteral("KiraveloAppIcon");
}
