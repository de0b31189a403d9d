// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleBatch.h"

#include "PageIdentity.h"
#include "SampleSheet.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

namespace {

QHash<QString, QByteArray> ReadManifest(const QString& path)
{
    QHash<QString, QByteArray> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() == 2)
            entries.insert(QString::fromUtf8(fields.at(0)), fields.at(1));
    }
    return entries;
}

} // namespace

SampleBatch::SampleBatch(QString documentRoot, QString manifestPath, QByteArray toolDigest)
    : m_documentRoot(std::move(documentRoot)), m_manifestPath(std::move(manifestPath)),
      m_toolDigest(std::move(toolDigest))
{}

QByteArray SampleBatch::RecordDigest(const QString& folder, const SampleRecord& record,
                                     const QString& number) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(m_toolDigest);
    for (const QString& part : {folder, record.pdfName, record.mask, record.text, number}) {
        hash.addData(part.toUtf8());
        hash.addData(QByteArrayView("\0", 1));
    }
    return hash.result().toHex();
}

bool SampleBatch::Run(const CatalogueFile& catalogue, QString* error)
{
    const QDir folder(QDir(m_documentRoot).filePath(catalogue.folder));
    if (!QDir().mkpath(folder.path())) {
        *error = QStringLiteral("cannot create %1").arg(folder.path());
        return false;
    }
    const QHash<QString, QByteArray> before = ReadManifest(m_manifestPath);
    QHash<QString, QByteArray> after;
    QByteArray manifest;
    const bool numbered = PageIdentity::ForFolder(catalogue.folder).numbered;
    for (qsizetype i = 0; i < catalogue.records.size(); ++i) {
        const SampleRecord& record = catalogue.records.at(i);
        // Numbered as the page numbers it, so a moved sample is typeset again.
        const QString number = numbered ? QStringLiteral("No.%1").arg(i + 1) : QString();
        const QByteArray digest = RecordDigest(catalogue.folder, record, number);
        const QString path = folder.filePath(record.pdfName);
        if (before.value(record.pdfName) != digest || !QFileInfo(path).isFile()) {
            if (!SampleSheet::Write(catalogue.folder, record, number, path, error))
                return false;
            ++m_written;
        }
        after.insert(record.pdfName, digest);
        manifest += record.pdfName.toUtf8() + ' ' + digest + '\n';
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()) && !it.key().contains(u'/'))
            QFile::remove(folder.filePath(it.key()));
    }

    // Written every run: the build takes the manifest's time as the folder's.
    QDir().mkpath(QFileInfo(m_manifestPath).path());
    QSaveFile file(m_manifestPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(manifest) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(m_manifestPath);
        return false;
    }
    return true;
}
