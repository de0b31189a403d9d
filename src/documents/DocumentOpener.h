// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QUrl>

#include <functional>

// Finds the program's documents (the usage guide and one PDF per sample, in a
// folder tree beside the executable in the build, or in the installed data folder)
// and hands them to the desktop's viewer. The window owns one and lends it to its
// pages; a test configures its own instead of changing anything shared.
class DocumentOpener
{
public:
    enum class Result
    {
        Opened,  // handed to the desktop; the viewer runs on its own
        Missing, // no such document, or the name is not a plain file name
        Failed,  // no application would take it
    };

    // Hands a file URL over; true when something took it.
    using Launcher = std::function<bool(const QUrl&)>;

    // The documents where the running program finds them, handed to the desktop.
    DocumentOpener();

    // Folder of the running executable, without a trailing separator.
    static QString ExecutableFolder();
    // Where the documents of an executable in `executableFolder` are: beside it when
    // they are there (a build tree), else the installed data folder when that exists,
    // else beside it.
    static QString LocateDocumentFolder(const QString& executableFolder);
    // The desktop's own hand-over, which every opener uses unless told otherwise.
    static bool HandToDesktop(const QUrl& url);

    QString SampleDocumentPath(const QString& folder, const QString& fileName) const;
    QString UsageGuidePath() const;
    // The names of the sample PDFs present in `folder`: those OpenSampleDocument() would
    // find. The folder is looked into once per run (listings, keystrokes and scroll steps
    // never touch the disk); opening a sample checks its file afresh and corrects what
    // is kept, so a PDF added or removed while the program runs shows as such once its
    // button has been pressed.
    QSet<QString> PresentSampleDocuments(const QString& folder) const;

    Result OpenSampleDocument(const QString& folder, const QString& fileName) const;
    Result OpenUsageGuide() const;

    // Look for documents in `folder` instead; an empty one restores the program's own.
    void SetDocumentFolder(const QString& folder);
    void SetLauncher(Launcher launcher) { m_launcher = std::move(launcher); }

private:
    Result Open(const QString& absolutePath) const;

    QString m_folder; // holds riyou.pdf and bunrei_pdf/
    Launcher m_launcher;
    // What each sample folder held when first looked into, as opening has corrected it.
    mutable QHash<QString, QSet<QString>> m_present;
};
