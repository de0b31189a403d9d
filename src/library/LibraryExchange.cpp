// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryExchange.h"

#include <QSet>
#include <QStringDecoder>

const QByteArray LibraryExchange::Header = QByteArrayLiteral("kiravelo-own-samples");

namespace {

const QString TitleKey = QStringLiteral("title:");
const QString TagsKey = QStringLiteral("tags:");
const QString StarKey = QStringLiteral("star:");

// What follows a key, less the one space that usually separates them.
QString Value(const QString& line, const QString& key)
{
    QString value = line.mid(key.size());
    if (value.startsWith(u' '))
        value.remove(0, 1);
    return value;
}

// A title or a star's name is one line.
QString OneLine(const QString& text)
{
    QString line = text;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return line;
}

} // namespace

QString LibraryExchange::NormaliseTags(const QString& tags)
{
    QStringList words;
    QString word;
    for (QChar c : tags) {
        if (c.isSpace()) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words << word;
    return words.join(u' ');
}

QString LibraryExchange::NormaliseText(const QString& text)
{
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return normal;
}

QByteArray LibraryExchange::Write(const Contents& contents)
{
    QString out = QString::fromUtf8(Header) + QStringLiteral(" %1\n").arg(Version);
    for (const QString& star : contents.stars) {
        if (const QString name = OneLine(star).trimmed(); !name.isEmpty())
            out += StarKey + u' ' + name + u'\n';
    }
    for (const Sample& sample : contents.samples) {
        out += u'\n' + TitleKey + u' ' + OneLine(sample.title) + u'\n';
        const QString tags = NormaliseTags(sample.tags);
        if (!tags.isEmpty())
            out += TagsKey + u' ' + tags + u'\n';
        // Every line of the text behind "> ": blank lines, leading spaces and '#' survive.
        for (const QString& line : NormaliseText(sample.text).split(u'\n'))
            out += QStringLiteral("> ") + line + u'\n';
    }
    return out.toUtf8();
}

std::optional<LibraryExchange::Contents> LibraryExchange::Parse(QByteArrayView bytes, Fault* fault)
{
    const auto fail = [fault](int line, const QString& reason) {
        *fault = {line, reason};
        return std::nullopt;
    };
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QList<QByteArrayView> lines;
    for (qsizetype start = 0; start < bytes.size();) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            lines << bytes.sliced(start);
            break;
        }
        lines << bytes.sliced(start, end - start);
        start = end + 1;
    }
    if (lines.isEmpty())
        return fail(1, QStringLiteral("空のファイルです"));

    Contents contents;
    QSet<QString> stars;
    std::optional<Sample> open; // the sample being read
    int openLine = 0;
    bool hasTags = false;
    bool hasText = false;
    const auto close = [&]() -> bool {
        if (!open)
            return true;
        if (!hasText || open->text.isEmpty())
            return false;
        contents.samples << *open;
        open.reset();
        return true;
    };
    const QString noText = QStringLiteral("「title:」の文例に本文（「> 」で始まる行）がありません");

    for (int i = 0; i < lines.size(); ++i) {
        const int number = i + 1;
        QByteArrayView raw = lines.at(i);
        if (raw.endsWith('\r'))
            raw.chop(1); // a file that passed through Windows
        if (raw.contains('\r'))
            return fail(number, QStringLiteral("行の途中に改行コード CR があります"));
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(raw);
        if (decoder.hasError())
            return fail(number, QStringLiteral("UTF-8 として読めない文字があります"));

        if (i == 0) {
            const QString header = QString::fromUtf8(Header);
            if (!line.startsWith(header + u' '))
                return fail(
                    number,
                    QStringLiteral(
                        "自分の文例のファイルではありません（1 行目が「%1 %2」ではありません）")
                        .arg(header)
                        .arg(Version));
            bool ok = false;
            const int version = line.mid(header.size() + 1).toInt(&ok);
            if (!ok || version < 1)
                return fail(number, QStringLiteral("版の番号が読めません"));
            if (version > Version)
                return fail(number, QStringLiteral("版 %1 のファイルです（読めるのは版 %2 まで）")
                                        .arg(version)
                                        .arg(Version));
            continue;
        }

        if (line.startsWith(u'>')) {
            if (!open)
                return fail(number, QStringLiteral("本文の行の前に「title:」の行がありません"));
            if (line.size() > 1 && line.at(1) != u' ')
                return fail(number, QStringLiteral("「>」の後には空白を一つ置きます"));
            if (hasText)
                open->text += u'\n';
            open->text += line.mid(2);
            hasText = true;
            continue;
        }
        if (line.isEmpty() || line.startsWith(u'#')) {
            // A blank line or a comment ends a text; a title waits for its text.
            if (open && hasText && !close())
                return fail(openLine, QStringLiteral("文例の本文が空です"));
            continue;
        }
        if (line.startsWith(TagsKey)) {
            if (!open)
                return fail(number, QStringLiteral("「tags:」の前に「title:」の行がありません"));
            if (hasText)
                return fail(number, QStringLiteral("「tags:」は本文より前に書きます"));
            if (hasTags)
                return fail(number, QStringLiteral("「tags:」が二つあります"));
            hasTags = true;
            open->tags = NormaliseTags(Value(line, TagsKey));
            continue;
        }
        const bool title = line.startsWith(TitleKey);
        if (!title && !line.startsWith(StarKey))
            return fail(
                number,
                QStringLiteral(
                    "読めない行です（「title:」「tags:」「star:」「> 」のどれでもありません）"));
        if (open && !hasText)
            return fail(openLine, noText);
        if (!close())
            return fail(openLine, QStringLiteral("文例の本文が空です"));
        if (title) {
            open = Sample{Value(line, TitleKey), QString(), QString()};
            openLine = number;
            hasTags = false;
            hasText = false;
            continue;
        }
        const QString star = Value(line, StarKey).trimmed();
        if (star.isEmpty())
            return fail(number, QStringLiteral("「star:」の後に文例の名前がありません"));
        if (!stars.contains(star)) {
            stars.insert(star);
            contents.stars << star;
        }
    }
    if (open && !hasText)
        return fail(openLine, noText);
    if (!close())
        return fail(openLine, QStringLiteral("文例の本文が空です"));
    return contents;
}
