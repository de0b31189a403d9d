// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One model sentence: its text (paragraphs joined by CR LF), the categories it is
// filed under as a string of '0'/'1', and the bare file name of its typeset PDF.
struct SampleRecord
{
    QString text;
    QString mask;
    QString pdfName;

    friend bool operator==(const SampleRecord&, const SampleRecord&) = default;
};
