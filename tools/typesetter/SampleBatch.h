// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CatalogueFile.h"

#include <QByteArray>
#include <QString>

// Keeps one catalogue's folder of sample PDFs in step with its records. A manifest
// beside the build remembers what each PDF was made from, so only records that
// changed (or every record, when the typesetter itself changed) are set again, and
// the PDFs of records that are gone are removed.
class SampleBatch
{
public:
    SampleBatch(QString documentRoot, QString manifestPath, QByteArray toolDigest);

    // Returns false with `error` set when a PDF could not be written.
    bool Run(const CatalogueFile& catalogue, QString* error);
    int Written() const { return m_written; }

private:
    QByteArray RecordDigest(const QString& folder, const SampleRecord& record,
                            const QString& number) const;

    QString m_documentRoot;
    QString m_manifestPath;
    QByteArray m_toolDigest;
    int m_written = 0;
};
