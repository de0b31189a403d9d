// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// A draft from the writing desk set as the sample PDFs are: its paragraphs in the
// body type, and `foot` (its 字数) at the foot of every page.
class DraftSheet
{
public:
    // The PDF, or nothing with the reason in `error`: a font it needs is missing, or
    // the writer failed.
    static QByteArray Pdf(const QString& text, const QString& foot, QString* error);
    // The same pages on a printer; false with the reason in `error`.
    static bool Print(const QString& text, const QString& foot, QPagedPaintDevice& device,
                      QString* error);
};
