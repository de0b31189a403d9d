// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleRecord.h"

#include <QString>

// One model sentence on an A4 page: the page's title and the record's categories as
// a heading, the text in Mincho with its paragraphs, and the file name at the foot.
class SampleSheet
{
public:
    // `number` ("No.12" or empty) follows the page's title.
    static bool Write(const QString& folder, const SampleRecord& record, const QString& number,
                      const QString& path, QString* error);
};
