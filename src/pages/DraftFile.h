// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// Where the draft is written and in which form: the save dialog, the question before
// replacing a file nobody was asked about, and one writer per format. The desk offers
// text and PDF; another format (a PDF on a grid, say) is one more AddFormat.
class DraftFile
{
public:
    struct Format
    {
        QString filter; // the dialog's name filter: "PDF (*.pdf)"
        QString suffix; // lower case, without the dot
        // `text` in this format; a reason set when it cannot be made.
        std::function<QByteArray(const QString& text, QString* reason)> render;
    };

    // What the file dialog confirmed: the name it checked, and the format chosen in it
    // (an index into Formats()). An empty path: the user changed their mind.
    struct Choice
    {
        // From a bare path, as a test's chooser gives it.
        Choice(QString confirmed = QString(), int chosen = 0)
            : path(std::move(confirmed)), format(chosen)
        {}
        QString path;
        int format;
    };
    // The file written and the format written.
    struct Target
    {
        QString path;
        int format = 0;
    };

    using Chooser = std::function<Choice(QWidget* parent)>;
    // Whether to replace `path`, which exists; asked only when the dialog did not.
    using ReplaceQuestion = std::function<bool(QWidget* parent, const QString& path)>;

    // UTF-8 text, and a PDF set as the sample PDFs are with its 字数 at the foot.
    DraftFile();

    void AddFormat(Format format);
    // Makes the files of the format with `suffix` another way (the desk's PDF follows
    // the grid chosen).
    void SetRender(const QString& suffix,
                   std::function<QByteArray(const QString&, QString*)> render);
    const QList<Format>& Formats() const { return m_formats; }
    // Tests answer in the dialog's place.
    void SetChooser(Chooser chooser) { m_chooser = std::move(chooser); }
    void SetReplaceQuestion(ReplaceQuestion question) { m_replace = std::move(question); }

    // Asks where to write; nothing when the user changed their mind.
    std::optional<Target> Choose(QWidget* parent) const;
    // The name a confirmed choice writes to: a name without a known suffix takes the
    // chosen format's, and the final suffix decides the format.
    Target Complete(const Choice& choice) const;
    // Writes `text` aside and renames at the end, so a failure leaves an earlier file
    // whole; false with the reason.
    bool Write(const Target& target, const QString& text, QString* reason) const;

private:
    Choice AskInDialog(QWidget* parent) const;
    static bool AskToReplace(QWidget* parent, const QString& path);

    QList<Format> m_formats;
    Chooser m_chooser;
    ReplaceQuestion m_replace = AskToReplace;
};
