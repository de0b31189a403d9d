// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Display text of a sample on the pages that number their samples: "No.<n>", a blank
// line, then the text; led by the PDF's file name and a blank line when the PDF is
// not there, so a missing document shows before anyone presses its button.
class NumberedText
{
public:
    static QString ComposeNumberedText(int cataloguePosition, const QString& text,
                                       const QString& pdfName, bool pdfPresent);
};
