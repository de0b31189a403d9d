#pragma once

#include <QSet>
#include <QString>
#include <QUrl>

#include <functional>

// Finds the program's documents (the usage guide and one PDF per sample, in a
// folder tree beside the executable in the build, or in the installed data folder)
// and hands them to the desktop's viewer.
class DocumentOpener
{
public:
    enum class Result
    {
        Opened,  // handed to the desktop; the viewer runs on its own
        Missing, // no such document, or the name is not a plain file name
        Failed,  // no application would take it
    };

    // Hands a file URL to the desktop; true when something took it.
    using Launcher = std::function<bool(const QUrl&)>;

    // Folder of the running executable, without a trailing separator.
    static QString ExecutableFolder();
    // Folder that holds riyou.pdf and bunrei_pdf/: found once, at the first call.
    static QString DocumentFolder();
    // Where the documents of an executable in `executableFolder` are: beside it when
    // they are there (a build tree), else the installed data folder when that exists,
    // else beside it.
    static QString LocateDocumentFolder(const QString& executableFolder);

    // "bunrei_pdf/<folder>/<file>" in the platform's separators, relative to DocumentFolder().
    static QString SampleRelativePath(const QString& folder, const QString& fileName);
    static QString SampleDocumentPath(const QString& folder, const QString& fileName);
    static QString UsageGuidePath();
    // Whether a sample's PDF is present where OpenSampleDocument() will look for it.
    static bool SampleDocumentExists(const QString& folder, const QString& fileName);
    // The names of the sample PDFs present in `folder`, with one look into it: what
    // SampleDocumentExists() answers for each, at the price of a single probe.
    static QSet<QString> PresentSampleDocuments(const QString& folder);

    static Result OpenSampleDocument(const QString& folder, const QString& fileName);
    static Result OpenUsageGuide();

    // Test seams: where documents are looked for, and what hands them over.
    static void SetDocumentFolder(const QString& folder);
    static void SetLauncher(Launcher launcher);

private:
    static Result Open(const QString& absolutePath);
};
