// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// What the program hands the printing module. Only the module links Qt Print Support,
// so the program starts without it and loads it the first time the user prints.
struct PrintRequest
{
    QString document; // the job's name in the printer's queue
    QString creator;
    // The pages carry their own margins, measured from the paper's corner.
    bool fullPage = false;
    // Asks the user how to print; false when they cancel. Empty: Qt's print dialog.
    std::function<bool(QPrinter& printer, QWidget* parent)> ask;
    // Paints the pages on the printer the user chose; false with the reason on failure.
    std::function<bool(QPagedPaintDevice& device, QString* error)> render;
    QWidget* parent = nullptr;
};

// The module's one entry point, looked up by this name. False when cancelled (`error`
// left empty) or failed (the reason in `error`).
using PrintEntry = bool (*)(const PrintRequest& request, QString* error);
inline constexpr char PrintEntryName[] = "kiravelo_print";
