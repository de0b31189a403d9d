// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogueFile.h"

#include "DraftText.h"

#include <QRegularExpression>
#include <QSet>

namespace {

const QString ParagraphBreak = QStringLiteral("\r\n");

bool ReadNumber(const QString& value, int* out)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok && number >= 0)
        *out = number;
    return ok && number >= 0;
}

// A 〔…〕 phrase names what the writer must check and fill in: one left open, closed
// twice or holding nothing names nothing. Phrases do not nest or cross a paragraph.
QString FillInPhraseFault(const QString& paragraph)
{
    qsizetype open = -1;
    for (qsizetype i = 0; i < paragraph.size(); ++i) {
        const QChar c = paragraph.at(i);
        if (c == DraftText::PhraseOpen) {
            if (open >= 0)
                return QStringLiteral("opens a 〔 at character %1 before the 〔 at character %2 "
                                      "is closed")
                    .arg(i + 1)
                    .arg(open + 1);
            open = i;
        } else if (c == DraftText::PhraseClose) {
            if (open < 0)
                return QStringLiteral("closes a 〕 at character %1 that no 〔 opened").arg(i + 1);
            if (paragraph.mid(open + 1, i - open - 1).trimmed().isEmpty())
                return QStringLiteral("has an empty 〔〕 at character %1; it must name what goes "
                                      "there")
                    .arg(open + 1);
            open = -1;
        }
    }
    if (open >= 0)
        return QStringLiteral("leaves the 〔 at character %1 unclosed").arg(open + 1);
    return QString();
}

} // namespace

QStringList CatalogueFile::Check(const SampleRecord& record) const
{
    QStringList reasons;
    if (record.mask.size() != width)
        reasons << QStringLiteral("mask has %1 characters, the catalogue needs %2")
                       .arg(record.mask.size())
                       .arg(width);
    for (QChar c : record.mask) {
        if (c != u'0' && c != u'1') {
            reasons << QStringLiteral("mask holds '%1'; only 0 and 1 are allowed").arg(c);
            break;
        }
    }
    const QRegularExpression pdfForm(
        QStringLiteral("^%1_[0-9]{3}\\.pdf$").arg(QRegularExpression::escape(folder)));
    if (!pdfForm.match(record.pdfName).hasMatch())
        reasons << QStringLiteral("PDF name '%1' is not of the form %2_NNN.pdf")
                       .arg(record.pdfName, folder);

    if (record.text.isEmpty()) {
        reasons << QStringLiteral("the text has no paragraph");
        return reasons;
    }
    const QStringList paragraphs = record.text.split(ParagraphBreak);
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const QString& paragraph = paragraphs.at(i);
        const QString where = QStringLiteral("paragraph %1 ").arg(i + 1);
        if (!paragraph.startsWith(u'\u3000') || paragraph.size() < 2)
            reasons << where + QStringLiteral("does not open with an ideographic space");
        else if (paragraph.at(paragraph.size() - 1).isSpace())
            reasons << where + QStringLiteral("ends in white space");
        for (QChar c : paragraph) {
            if (c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter) {
                reasons << where + QStringLiteral("holds a control character or invalid byte");
                break;
            }
        }
        const QString phraseFault = FillInPhraseFault(paragraph);
        if (!phraseFault.isEmpty())
            reasons << where + phraseFault;
    }
    if (!record.text.endsWith(u'。'))
        reasons << QStringLiteral("the text does not end with 。");
    if (!placeholdersAllowed && record.text.contains(DraftText::Placeholder))
        reasons << QStringLiteral("the fill-in mark ○ is not allowed in this catalogue");
    return reasons;
}

bool CatalogueFile::Parse(const QByteArray& content, const QString& fileName, QStringList* errors)
{
    const qsizetype errorsBefore = errors->size();
    records.clear();
    recordLines.clear();
    const QString text = QString::fromUtf8(content);
    const QStringList lines = text.split(u'\n');

    auto fail = [&](int line, const QString& reason) {
        *errors << QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(reason);
    };

    struct Pending
    {
        SampleRecord record;
        int line = 0;
        QStringList paragraphs;
        bool hasMask = false;
    };
    QList<Pending> pending;
    bool inRecord = false;
    bool headerSeen[3] = {false, false, false};

    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNo = int(n + 1);
        QString line = lines.at(n);
        if (line.endsWith(u'\r')) {
            fail(lineNo, QStringLiteral("carriage return in the file; save it with LF line ends"));
            line.chop(1);
        }
        if (line.trimmed().isEmpty()) {
            inRecord = false;
            continue;
        }
        if (line.startsWith(u'#'))
            continue;
        if (line.startsWith(QStringLiteral("record:"))) {
            Pending p;
            p.record.pdfName = line.mid(7).trimmed();
            p.line = lineNo;
            pending.append(p);
            inRecord = true;
            continue;
        }
        if (inRecord) {
            Pending& p = pending.last();
            if (line.startsWith(QStringLiteral("mask:")) && !p.hasMask && p.paragraphs.isEmpty()) {
                p.record.mask = line.mid(5).trimmed();
                p.hasMask = true;
            } else {
                p.paragraphs << line;
            }
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        const QString key = line.left(colon).trimmed();
        const QString value = colon < 0 ? QString() : line.mid(colon + 1).trimmed();
        if (key == QStringLiteral("catalogue") && !value.isEmpty()) {
            folder = value;
            headerSeen[0] = true;
        } else if (key == QStringLiteral("width") && ReadNumber(value, &width)) {
            headerSeen[1] = true;
        } else if (key == QStringLiteral("capacity") && ReadNumber(value, &capacity)) {
            headerSeen[2] = true;
        } else if (key == QStringLiteral("per-category") && ReadNumber(value, &perCategory) &&
                   perCategory > 0) {
            // applied once every record is read
        } else if (key == QStringLiteral("placeholders") && value == QStringLiteral("none")) {
            placeholdersAllowed = false;
        } else {
            fail(lineNo,
                 QStringLiteral("unknown or malformed line outside a record: '%1'").arg(line));
        }
    }

    const char* headerNames[3] = {"catalogue", "width", "capacity"};
    for (int i = 0; i < 3; ++i) {
        if (!headerSeen[i])
            fail(1, QStringLiteral("the '%1:' line is missing").arg(QLatin1String(headerNames[i])));
    }
    if (pending.size() > capacity)
        fail(1, QStringLiteral("%1 records exceed the capacity of %2")
                    .arg(pending.size())
                    .arg(capacity));

    QSet<QString> pdfNames;
    QList<int> filed(width, 0);
    for (qsizetype i = 0; i < pending.size(); ++i) {
        Pending& p = pending[i];
        p.record.text = p.paragraphs.join(ParagraphBreak);
        QStringList reasons = Check(p.record);
        if (!p.hasMask)
            reasons.prepend(QStringLiteral("the 'mask:' line is missing"));
        if (pdfNames.contains(p.record.pdfName))
            reasons << QStringLiteral("PDF name '%1' is used by an earlier record")
                           .arg(p.record.pdfName);
        pdfNames.insert(p.record.pdfName);
        // An editorial limit, not a technical one: past it a category is too long to
        // page through two samples at a time.
        const qsizetype positions = perCategory > 0 ? qMin(p.record.mask.size(), width) : 0;
        for (qsizetype c = 0; c < positions; ++c) {
            if (p.record.mask.at(c) == u'1' && ++filed[c] == perCategory + 1)
                reasons << QStringLiteral("category %1 already holds %2 records, the most allowed")
                               .arg(c)
                               .arg(perCategory);
        }
        for (const QString& reason : reasons)
            fail(p.line, QStringLiteral("record %1 (%2): %3").arg(i).arg(p.record.pdfName, reason));
        records.append(p.record);
        recordLines.append(p.line);
    }
    return errors->size() == errorsBefore;
}
