// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberedText.h"

QString NumberedText::ComposeNumberedText(int cataloguePosition, const QString& text,
                                          const QString& pdfName, bool pdfPresent)
{
    const QString numbered = QStringLiteral("No.%1\r\n\r\n").arg(cataloguePosition + 1) + text;
    return pdfPresent ? numbered : pdfName + QStringLiteral("\r\n\r\n") + numbered;
}
