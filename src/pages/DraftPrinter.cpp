// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftPrinter.h"

#include "DraftSheet.h"
#include "ManuscriptSheet.h"
#include "PrintRequest.h"
#include "ProgramName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

QStringList& ChosenFolders()
{
    static QStringList folders;
    return folders;
}

// The module's entry point, or null with the reason. The library stays loaded: a
// second print finds it in the process and loads nothing.
PrintEntry LoadModule(QString* error)
{
    const QString name = QStringLiteral(KIRAVELO_PRINTING_FILE);
    for (const QString& folder : DraftPrinter::ModuleFolders()) {
        const QString path = QDir(folder).filePath(name);
        if (!QFileInfo(path).isFile())
            continue;
        QLibrary module(path);
        if (!module.load()) {
            // Qt's reason names the file.
            *error = QStringLiteral("印刷機能を読み込めません：") + module.errorString();
            return nullptr;
        }
        if (const auto entry = reinterpret_cast<PrintEntry>(module.resolve(PrintEntryName)))
            return entry;
        *error = QStringLiteral("印刷機能（%1）が壊れています").arg(QDir::toNativeSeparators(path));
        return nullptr;
    }
    *error = QStringLiteral("印刷機能（%1）が見つかりません").arg(name);
    return nullptr;
}

} // namespace

QStringList DraftPrinter::ModuleFolders()
{
    if (!ChosenFolders().isEmpty())
        return ChosenFolders();
    const QDir beside(QCoreApplication::applicationDirPath());
    return {beside.path(),
            QDir::cleanPath(beside.filePath(QStringLiteral(KIRAVELO_INSTALLED_PRINTING)))};
}

void DraftPrinter::SetModuleFolders(const QStringList& folders)
{
    ChosenFolders() = folders;
}

bool DraftPrinter::Print(const QString& text, const ManuscriptSheet* sheet, const QString& foot,
                         const Ask& ask, QWidget* parent, QString* error)
{
    error->clear();
    const PrintEntry print = LoadModule(error);
    if (!print)
        return false;
    PrintRequest request;
    request.document = sheet ? QStringLiteral("下書き（原稿用紙）") : QStringLiteral("下書き");
    request.creator = ProgramName::Shown();
    // The text pages carry their own margins, measured from the paper's corner.
    request.fullPage = !sheet;
    request.ask = ask;
    request.render = [&](QPagedPaintDevice& device, QString* failure) {
        return sheet ? sheet->Render(device, foot, failure)
                     : DraftSheet::Print(text, foot, device, failure);
    };
    request.parent = parent;
    return print(request, error);
}
