// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: CC0-1.0
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QString>

// The pictures with words that the pages always show, drawn at build time by
// kiravelo-artwork with ArtworkPainter at a scale of 1.
class PrerenderedArtwork
{
public:
    enum Kind
    {
        Banner,
        SubHeading,
        GuideButton,
    };

    struct Picture
    {
        Kind kind;
        const char16_t* text;
        QRgb colour; // 0xRRGGBB; 0 for the guide button
        int width, height;
        const quint32* pixels; // ARGB32, premultiplied
    };

    // A view of the picture's pixels, null when none was made for these words and colour.
    static QImage Find(Kind kind, const QString& text, QRgb colour);
    static QList<Picture> All() { return {Pictures, Pictures + Count}; }

private:
    static const Picture Pictures[];
    static const int Count;
};
