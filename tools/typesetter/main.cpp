// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Typesets the program's documents: a PDF of every sample in a catalogue, and the
// usage guide with pictures of the window. Run by the build.
#include "CatalogueFile.h"
#include "GuideSource.h"
#include "PdfComposer.h"
#include "SampleBatch.h"
#include "UsageGuide.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

int Fail(const QStringList& errors)
{
    QTextStream err(stderr);
    for (const QString& e : errors)
        err << "error: " << e << '\n';
    return 1;
}

// Any change to the typesetter, its tables included, sets every sample again.
QByteArray OwnDigest()
{
    QFile self(QCoreApplication::applicationFilePath());
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (self.open(QIODevice::ReadOnly))
        hash.addData(&self);
    return hash.result().toHex();
}

bool ReadFile(const QString& path, QByteArray* content, QStringList* errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *errors << QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    *content = file.readAll();
    return true;
}

int Samples(const QStringList& args)
{
    const QString& path = args.at(0);
    QStringList errors;
    QByteArray content;
    if (!ReadFile(path, &content, &errors))
        return Fail(errors);
    CatalogueFile catalogue;
    // The same checks as the program's own build of the catalogues: a record the
    // program would refuse gets no PDF either.
    if (!catalogue.Parse(content, path, &errors))
        return Fail(errors);
    SampleBatch batch(args.at(1), args.at(2), OwnDigest());
    QString error;
    if (!batch.Run(catalogue, &error))
        return Fail({error});
    QTextStream(stdout) << catalogue.folder << ": " << batch.Written() << " of "
                        << catalogue.records.size() << " PDFs typeset\n";
    return 0;
}

int Guide(const QStringList& args)
{
    QStringList errors;
    QByteArray content;
    if (!ReadFile(args.at(0), &content, &errors))
        return Fail(errors);
    // The guide names the release it describes without repeating its number.
    const QString text = QString::fromUtf8(content).replace(QStringLiteral("{version}"),
                                                            QStringLiteral(KIRAVELO_VERSION));
    GuideSource source;
    if (!source.Parse(text, &errors)) {
        for (QString& e : errors)
            e.prepend(args.at(0) + u':');
        return Fail(errors);
    }
    bool ok = false;
    const qreal scale = args.at(2).toDouble(&ok);
    if (!ok || scale <= 0)
        return Fail({QStringLiteral("the picture scale '%1' is not a number").arg(args.at(2))});
    QString error;
    if (!UsageGuide(args.at(1), scale).Write(source, args.at(3), &error))
        return Fail({error});
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (!(command == QStringLiteral("samples") && args.size() == 3) &&
        !(command == QStringLiteral("guide") && args.size() == 4)) {
        QTextStream(stderr)
            << "usage: document-typesetter samples CATALOGUE.cat DOCUMENT-FOLDER MANIFEST\n"
               "       document-typesetter guide SOURCE PICTURE-FOLDER PICTURE-SCALE OUTPUT.pdf\n";
        return 2;
    }
    const QString missing = PdfComposer::MissingFonts();
    if (!missing.isEmpty())
        return Fail(
            {QStringLiteral("fonts not installed: %1 (run scripts/install-deps.sh)").arg(missing)});
    return command == QStringLiteral("samples") ? Samples(args) : Guide(args);
}
