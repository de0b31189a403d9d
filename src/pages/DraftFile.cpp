// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DraftFile.h"

#include "DraftSheet.h"
#include "DraftText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

DraftFile::DraftFile() : m_chooser([this](QWidget* parent) { return AskInDialog(parent); })
{
    AddFormat({QStringLiteral("テキスト（UTF-8）(*.txt)"), QStringLiteral("txt"),
               [](const QString& text, QString*) { return text.toUtf8(); }});
    AddFormat({QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
               [](const QString& text, QString* reason) {
                   return DraftSheet::Pdf(text, DraftText::Characters(DraftText::Count(text)),
                                          reason);
               }});
}

void DraftFile::AddFormat(Format format)
{
    m_formats.append(std::move(format));
}

void DraftFile::SetRender(const QString& suffix,
                          std::function<QByteArray(const QString&, QString*)> render)
{
    for (Format& format : m_formats) {
        if (format.suffix == suffix)
            format.render = render;
    }
}

std::optional<DraftFile::Target> DraftFile::Choose(QWidget* parent) const
{
    const Choice choice = m_chooser(parent);
    if (choice.path.isEmpty())
        return std::nullopt;
    const Target target = Complete(choice);
    // A dialog that checked another name (a native one checks the name as typed) has
    // not asked about this one.
    if (target.path != choice.path && QFileInfo::exists(target.path) &&
        !m_replace(parent, target.path))
        return std::nullopt;
    return target;
}

DraftFile::Target DraftFile::Complete(const Choice& choice) const
{
    const int chosen = qBound(0, choice.format, int(m_formats.size()) - 1);
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (m_formats.at(chosen).suffix == suffix)
        return {choice.path, chosen};
    for (int i = 0; i < m_formats.size(); ++i) {
        if (m_formats.at(i).suffix == suffix)
            return {choice.path, i};
    }
    return {choice.path + u'.' + m_formats.at(chosen).suffix, chosen};
}

bool DraftFile::Write(const Target& target, const QString& text, QString* reason) const
{
    QString failure;
    const QByteArray bytes = m_formats.at(target.format).render(text, &failure);
    if (!failure.isEmpty()) {
        *reason = failure;
        return false;
    }
    QSaveFile file(target.path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

DraftFile::Choice DraftFile::AskInDialog(QWidget* parent) const
{
    QFileDialog dialog(parent, QStringLiteral("下書きを保存"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const Format& format : m_formats)
        filters << format.filter;
    dialog.setNameFilters(filters);
    // The dialog adds the chosen type's suffix before it checks for a file to
    // replace, so the name it asks about is the name written.
    dialog.setDefaultSuffix(m_formats.first().suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [this, &dialog, filters](const QString& filter) {
                         const qsizetype chosen = filters.indexOf(filter);
                         if (chosen < 0)
                             return;
                         const QString suffix = m_formats.at(chosen).suffix;
                         dialog.setDefaultSuffix(suffix);
                         // A name typed with another format's suffix follows the type.
                         const QStringList typed = dialog.selectedFiles();
                         const QFileInfo name(typed.isEmpty() ? QString() : typed.first());
                         for (const Format& format : m_formats) {
                             if (format.suffix != suffix && !name.isDir() &&
                                 name.suffix().compare(format.suffix, Qt::CaseInsensitive) == 0)
                                 dialog.selectFile(name.completeBaseName() + u'.' + suffix);
                         }
                     });
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(QStringLiteral("下書き.") + m_formats.first().suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter()))};
}

bool DraftFile::AskToReplace(QWidget* parent, const QString& path)
{
    const QFileInfo info(path);
    return QMessageBox::question(
               parent, QStringLiteral("下書きを保存"),
               QStringLiteral("%1 は既にあります。置き換えますか？").arg(info.fileName()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}
