// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#include "PrerenderedArtwork.h"

QImage PrerenderedArtwork::Find(Kind kind, const QString& text, QRgb colour)
{
    for (int i = 0; i < Count; ++i) {
        const Picture& p = Pictures[i];
        if (p.kind == kind && p.colour == (colour & RGB_MASK) && text == QStringView(p.text))
            return QImage(reinterpret_cast<const uchar*>(p.pixels), p.width, p.height,
                          QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}
