// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuideSource.h"

#include <QRegularExpression>

namespace {

bool OpensItem(const QString& line)
{
    if (line.startsWith(u'・'))
        return true;
    const char16_t first = line.isEmpty() ? 0 : line.at(0).unicode();
    return first >= u'①' && first <= u'⑳';
}

// Only ASCII white space: the ideographic space that indents a paragraph is text.
QString Chomp(const QString& line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && (line.at(begin) == u' ' || line.at(begin) == u'\t'))
        ++begin;
    while (end > begin && QStringLiteral(" \t\r").contains(line.at(end - 1)))
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

bool GuideSource::Parse(const QString& source, QStringList* errors)
{
    const qsizetype errorsBefore = errors->size();
    const QStringList lines = source.split(u'\n');
    bool inParagraph = false;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = Chomp(lines.at(n));
        const QString where = QString::number(n + 1);
        if (line.startsWith(u'#'))
            continue;
        if (line.isEmpty()) {
            inParagraph = false;
            continue;
        }
        // A line opening with an ideographic space is a new, indented paragraph.
        if (inParagraph && !line.startsWith(u'\u3000') && !line.startsWith(u'[') &&
            !line.startsWith(QStringLiteral("= ")) && !line.startsWith(QStringLiteral("== ")) &&
            !line.startsWith(QStringLiteral("=== ")) && !line.startsWith(QStringLiteral("> ")) &&
            !OpensItem(line)) {
            blocks.last().text += line;
            continue;
        }
        inParagraph = false;
        const QString rest = line.mid(line.indexOf(u' ') + 1).trimmed();
        if (line.startsWith(QStringLiteral("=== "))) {
            blocks << Block{Block::Kind::Subsection, rest};
        } else if (line.startsWith(QStringLiteral("== "))) {
            blocks << Block{Block::Kind::Section, rest};
        } else if (line.startsWith(QStringLiteral("= "))) {
            blocks << Block{Block::Kind::Title, rest};
        } else if (line.startsWith(QStringLiteral("~ "))) {
            blocks << Block{Block::Kind::Subtitle, rest};
        } else if (line.startsWith(QStringLiteral("> "))) {
            blocks << Block{Block::Kind::Note, rest};
        } else if (line == QStringLiteral("{contents}")) {
            blocks << Block{Block::Kind::Contents};
        } else if (line == QStringLiteral("----")) {
            blocks << Block{Block::Kind::PageBreak};
        } else if (OpensItem(line)) {
            blocks << Block{Block::Kind::Item, line};
        } else if (line.startsWith(QStringLiteral("[picture "))) {
            const qsizetype close = line.indexOf(u']');
            if (close < 0) {
                *errors << where + QStringLiteral(": picture without ']'");
                continue;
            }
            QStringList words = line.mid(9, close - 9).split(u' ', Qt::SkipEmptyParts);
            if (words.isEmpty()) {
                *errors << where + QStringLiteral(": picture without a file");
                continue;
            }
            Block block{Block::Kind::Picture, line.mid(close + 1).trimmed(), words.takeFirst()};
            static const QRegularExpression number(QStringLiteral("\\d+"));
            for (const QString& word : words) {
                QList<int> values;
                for (auto it = number.globalMatch(word.mid(word.indexOf(u'=') + 1)); it.hasNext();)
                    values << it.next().captured().toInt();
                if (word.startsWith(QStringLiteral("width=")) && values.size() == 1) {
                    block.widthPercent = values.at(0);
                } else if (word.startsWith(QStringLiteral("crop=")) && values.size() == 4) {
                    block.crop = QRect(values.at(0), values.at(1), values.at(2), values.at(3));
                } else if (word.startsWith(QStringLiteral("marks=")) && values.size() % 3 == 0) {
                    for (qsizetype i = 0; i < values.size(); i += 3)
                        block.marks
                            << Mark{values.at(i), QPoint(values.at(i + 1), values.at(i + 2))};
                } else {
                    *errors << where + QStringLiteral(": unknown picture option '%1'").arg(word);
                }
            }
            blocks << block;
        } else {
            blocks << Block{Block::Kind::Paragraph, line};
            inParagraph = true;
        }
    }
    return errors->size() == errorsBefore;
}
