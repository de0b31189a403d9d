// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ManuscriptSheet;
class QPrinter;
class QWidget;

// Prints the desk's draft through Qt's print dialog, to a printer or, where none is
// installed, to a PDF file: on 原稿用紙 when a grid is chosen, otherwise set as the
// desk's text PDF is. Both embed their fonts. Qt Print Support lives in the printing
// module, loaded the first time the user prints.
class DraftPrinter
{
public:
    // Asks the user how to print; false when they cancel. Empty: Qt's print dialog.
    // Tests answer it themselves.
    using Ask = std::function<bool(QPrinter& printer, QWidget* parent)>;

    // Asks, then prints `text` on `sheet` (laid out already) or, when null, as text;
    // `foot` goes at each page's foot. False when cancelled or failed (the printing
    // module missing too), with the reason in `error` (empty when cancelled).
    static bool Print(const QString& text, const ManuscriptSheet* sheet, const QString& foot,
                      const Ask& ask, QWidget* parent, QString* error);

    // Where the module is looked for, in order: beside the executable (the build tree,
    // Windows), then where an installation puts it. Tests look elsewhere; empty restores.
    static QStringList ModuleFolders();
    static void SetModuleFolders(const QStringList& folders);
};
