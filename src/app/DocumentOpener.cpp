#include "DocumentOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

DocumentOpener::Launcher& CurrentLauncher()
{
    static DocumentOpener::Launcher launcher = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return launcher;
}

// Names come from the compiled-in catalogues; still, never let one climb out of
// its folder or name the folder itself.
bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

} // namespace

QString DocumentOpener::ExecutableFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString DocumentOpener::DocumentFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    static const QString located = LocateDocumentFolder(ExecutableFolder());
    return located;
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

QString DocumentOpener::SampleRelativePath(const QString& folder, const QString& fileName)
{
    return QDir::toNativeSeparators(QStringLiteral("bunrei_pdf/") + folder + u'/' + fileName);
}

QString DocumentOpener::SampleDocumentPath(const QString& folder, const QString& fileName)
{
    return QDir(DocumentFolder())
        .absoluteFilePath(QStringLiteral("bunrei_pdf/") + folder + u'/' + fileName);
}

QString DocumentOpener::UsageGuidePath()
{
    return QDir(DocumentFolder()).absoluteFilePath(QStringLiteral("riyou.pdf"));
}

bool DocumentOpener::SampleDocumentExists(const QString& folder, const QString& fileName)
{
    return IsPlainFileName(fileName) && QFileInfo(SampleDocumentPath(folder, fileName)).isFile();
}

QSet<QString> DocumentOpener::PresentSampleDocuments(const QString& folder)
{
    // Files, and links to files, as QFileInfo::isFile() counts them.
    const QDir dir(QDir(DocumentFolder()).absoluteFilePath(QStringLiteral("bunrei_pdf/") + folder));
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    QSet<QString> present;
    for (const QString& name : names) {
        if (IsPlainFileName(name))
            present.insert(name);
    }
    return present;
}

DocumentOpener::Result DocumentOpener::OpenSampleDocument(const QString& folder,
                                                          const QString& fileName)
{
    if (!IsPlainFileName(fileName))
        return Result::Missing;
    return Open(SampleDocumentPath(folder, fileName));
}

DocumentOpener::Result DocumentOpener::OpenUsageGuide()
{
    return Open(UsageGuidePath());
}

DocumentOpener::Result DocumentOpener::Open(const QString& absolutePath)
{
    // The desktop opener runs detached and reports only that it started, so a
    // missing file has to be caught here.
    if (!QFileInfo(absolutePath).isFile())
        return Result::Missing;
    return CurrentLauncher()(QUrl::fromLocalFile(absolutePath)) ? Result::Opened : Result::Failed;
}

void DocumentOpener::SetDocumentFolder(const QString& folder)
{
    FolderOverride() = folder;
}

void DocumentOpener::SetLauncher(Launcher launcher)
{
    CurrentLauncher() = std::move(launcher);
}
