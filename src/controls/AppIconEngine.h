// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QIconEngine>
#include <QPixmap>

// The application icon, drawn at a size only when something asks for that size: a
// window whose platform never shows its icon (or shows one size) does not pay for the
// seven.
class AppIconEngine : public QIconEngine
{
public:
    static const QList<int>& Sizes();

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QHash<int, QPixmap> m_drawn;
};
