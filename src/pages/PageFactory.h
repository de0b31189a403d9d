// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SampleRecord.h"

#include <QList>
#include <QString>

#include <optional>

class QWidget;
class SamplePage;

// Builds the page of a document folder named in the page identity table, which
// alone decides which pages there are and in what order.
class PageFactory
{
public:
    // Null for a folder that no page shows. `catalogue`: the folder's compiled-in one
    // when not given.
    static SamplePage* Create(const QString& folder, QWidget* parent,
                              std::optional<QList<SampleRecord>> catalogue = std::nullopt);
};
