// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocumentOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {

// Found once: the executable does not move while it runs.
QString ProgramDocumentFolder()
{
    static const QString located =
        DocumentOpener::LocateDocumentFolder(DocumentOpener::ExecutableFolder());
    return located;
}

// Names come from the compiled-in catalogues; still, never let one climb out of
// its folder or name the folder itself.
bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

} // namespace

DocumentOpener::DocumentOpener() : m_folder(ProgramDocumentFolder()), m_launcher(HandToDesktop) {}

QString DocumentOpener::ExecutableFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString DocumentOpener::LocateDocumentFolder(const QString& executableFolder)
{
    const QDir beside(executableFolder);
    if (QFileInfo(beside.filePath(QStringLiteral("bunrei_pdf"))).isDir() ||
        QFileInfo(beside.filePath(QStringLiteral("riyou.pdf"))).isFile())
        return QDir::cleanPath(executableFolder);
    const QString installed =
        QDir::cleanPath(beside.filePath(QStringLiteral(KIRAVELO_INSTALLED_DOCUMENTS)));
    if (QFileInfo(installed).isDir())
        return installed;
    return QDir::cleanPath(executableFolder);
}

bool DocumentOpener::HandToDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void DocumentOpener::SetDocumentFolder(const QString& folder)
{
    m_folder = folder.isEmpty() ? ProgramDocumentFolder() : folder;
    m_present.clear();
}

QString DocumentOpener::SampleDocumentPath(const QString& folder, const QString& fileName) const
{
    return QDir(m_folder).absoluteFilePath(QStringLiteral("bunrei_pdf/") + folder + u'/' +
                                           fileName);
}

QString DocumentOpener::UsageGuidePath() const
{
    return QDir(m_folder).absoluteFilePath(QStringLiteral("riyou.pdf"));
}

QSet<QString> DocumentOpener::PresentSampleDocuments(const QString& folder) const
{
    const auto known = m_present.constFind(folder);
    if (known != m_present.cend())
        return *known;
    // Files, and links to files, as QFileInfo::isFile() counts them.
    const QDir dir(QDir(m_folder).absoluteFilePath(QStringLiteral("bunrei_pdf/") + folder));
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    QSet<QString> present;
    for (const QString& name : names) {
        if (IsPlainFileName(name))
            present.insert(name);
    }
    m_present.insert(folder, present);
    return present;
}

DocumentOpener::Result DocumentOpener::OpenSampleDocument(const QString& folder,
                                                          const QString& fileName) const
{
    if (!IsPlainFileName(fileName))
        return Result::Missing;
    const Result result = Open(SampleDocumentPath(folder, fileName));
    const auto known = m_present.find(folder);
    if (known != m_present.end()) {
        if (result == Result::Missing)
            known->remove(fileName);
        else
            known->insert(fileName); // found, whether or not a viewer took it
    }
    return result;
}

DocumentOpener::Result DocumentOpener::OpenUsageGuide() const
{
    return Open(UsageGuidePath());
}

DocumentOpener::Result DocumentOpener::Open(const QString& absolutePath) const
{
    // The desktop opener runs detached and reports only that it started, so a
    // missing file has to be caught here.
    if (!QFileInfo(absolutePath).isFile())
        return Result::Missing;
    return m_launcher(QUrl::fromLocalFile(absolutePath)) ? Result::Opened : Result::Failed;
}
