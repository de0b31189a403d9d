// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// How each page titles itself and names a record's categories, for the headings of
// the typeset samples.
class CategoryCaptions
{
public:
    // The title banner text the page shows above the record's categories; empty for
    // an unknown folder.
    static QString PageTitle(const QString& folder, const QString& mask);
    // The colour of the page's tab.
    static QColor TabColour(const QString& folder);
    struct Category
    {
        QString name;   // a field's or faculty's caption, or a group of tick boxes
        QString detail; // the ticked boxes of that group
    };

    // The categories `mask` files a record under, as the page names them.
    static QList<Category> Categories(const QString& folder, const QString& mask);
};
