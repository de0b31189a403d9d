// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftPrinter.h"

#include "DraftSheet.h"
#include "ManuscriptSheet.h"
#include "ProgramName.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

bool DraftPrinter::AskWithDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("下書きを印刷"));
    // One sheet or one page after another; the draft has no selection to print.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool DraftPrinter::Print(const QString& text, const ManuscriptSheet* sheet, const QString& foot,
                         const Ask& ask, QWidget* parent, QString* error)
{
    error->clear();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(sheet ? QStringLiteral("下書き（原稿用紙）") : QStringLiteral("下書き"));
    printer.setCreator(ProgramName::Shown());
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!ask(printer, parent))
        return false;
    if (sheet)
        return sheet->Render(printer, foot, error);
    // The text pages carry their own margins, measured from the paper's corner.
    printer.setFullPage(true);
    return DraftSheet::Print(text, foot, printer, error);
}
