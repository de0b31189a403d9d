// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RepeatedSentences.h"

#include <QHash>

QStringList RepeatedSentences::Sentences(const QString& text)
{
    QStringList sentences;
    for (const QString& paragraph : text.split(QStringLiteral("\r\n"))) {
        QString sentence;
        for (QChar c : paragraph) {
            sentence += c;
            if (c == u'。' || c == u'！' || c == u'？') {
                sentences << sentence.trimmed();
                sentence.clear();
            }
        }
        if (!sentence.trimmed().isEmpty())
            sentences << sentence.trimmed();
    }
    return sentences;
}

QStringList RepeatedSentences::Find(const QList<CatalogueFile>& catalogues,
                                    const QStringList& fileNames)
{
    QStringList errors;
    QHash<QString, QString> firstPlace;
    for (qsizetype c = 0; c < catalogues.size(); ++c) {
        const CatalogueFile& catalogue = catalogues.at(c);
        for (qsizetype r = 0; r < catalogue.records.size(); ++r) {
            const SampleRecord& record = catalogue.records.at(r);
            const QString place = QStringLiteral("%1:%2: record %3 (%4)")
                                      .arg(fileNames.value(c))
                                      .arg(catalogue.recordLines.value(r))
                                      .arg(r)
                                      .arg(record.pdfName);
            for (const QString& sentence : Sentences(record.text)) {
                if (sentence.toUcs4().size() < MinimumLength)
                    continue;
                const auto seen = firstPlace.constFind(sentence);
                if (seen == firstPlace.constEnd())
                    firstPlace.insert(sentence, place);
                else
                    errors << QStringLiteral("%1: the sentence 「%2」 stands already at %3")
                                  .arg(place, sentence, *seen);
            }
        }
    }
    return errors;
}
