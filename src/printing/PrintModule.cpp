// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintRequest.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

#include <type_traits>

namespace {

bool AskWithDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("下書きを印刷"));
    // One sheet or one page after another; the draft has no selection to print.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

extern "C" Q_DECL_EXPORT bool kiravelo_print(const PrintRequest& request, QString* error)
{
    static_assert(std::is_same_v<decltype(&kiravelo_print), PrintEntry>);
    error->clear();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(request.document);
    printer.setCreator(request.creator);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    const bool go =
        request.ask ? request.ask(printer, request.parent) : AskWithDialog(printer, request.parent);
    if (!go)
        return false;
    printer.setFullPage(request.fullPage);
    return request.render(printer, error);
}
