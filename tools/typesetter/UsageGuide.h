// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GuideSource.h"
#include "PdfComposer.h"

#include <QHash>
#include <QImage>
#include <QString>

// Typesets the usage guide from its source, with the pictures of the window that the
// build rendered at `pictureScale` device pixels per window pixel.
class UsageGuide
{
public:
    UsageGuide(QString pictureFolder, qreal pictureScale);

    bool Write(const GuideSource& source, const QString& path, QString* error) const;

private:
    struct Picture
    {
        QImage image;
        QList<PdfComposer::Mark> marks;
        qreal width = 0; // points
        qreal height = 0;
    };

    // Lays the guide out on `composer`, numbering the contents with `sectionPages`;
    // `foundPages` gets the page each section starts on.
    bool Compose(const GuideSource& source, const QList<int>& sectionPages, PdfComposer* composer,
                 QList<int>* foundPages, QString* error) const;
    bool Load(const GuideSource::Block& block, Picture* picture, QString* error) const;
    // Room the start of `block` needs, so that a heading before it stays with it.
    qreal Lead(const GuideSource::Block& block) const;

    QString m_pictureFolder;
    // Each picture is read once, however often the layout asks for it.
    mutable QHash<QString, QImage> m_pictures;
    qreal m_pictureScale;
};
