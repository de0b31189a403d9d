// SPDX-FileCopyrightText: 2026 Kiravelo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SearchText.h"

#include <QChar>
#include <QHash>

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The code point at `i`, moving `i` past it.
char32_t Next(QStringView text, qsizetype& i)
{
    const QChar c = text.at(i++);
    if (c.isHighSurrogate() && i < text.size() && text.at(i).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i++));
    return c.isSurrogate() ? Replacement : c.unicode();
}

// The spacing voiced sound marks ゛゜, which a writer may type after a kana for the
// combining ones.
constexpr char32_t SpacingVoiced = 0x309B;
constexpr char32_t SpacingSemiVoiced = 0x309C;

// Marks that NFKC may fold into the character before them: combining marks, variation
// selectors and the voiced sound marks, which compose with a preceding kana.
bool Attaches(char32_t c)
{
    return c == 0xFF9E || c == 0xFF9F || c == SpacingVoiced || c == SpacingSemiVoiced ||
           QChar::combiningClass(c) != 0 || QChar::isMark(c);
}

bool IsVariationSelector(char32_t c)
{
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

void Append(char32_t c, const SearchText::Source& source, QString& out,
            QList<SearchText::Source>* sources)
{
    if (QChar::isSpace(c) || IsVariationSelector(c))
        return;
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Other_Control || category == QChar::Other_Format)
        return;
    c = QChar::toCaseFolded(c);
    // Katakana to hiragana; the long vowel mark ー (U+30FC) is shared and stays.
    if (c >= 0x30A1 && c <= 0x30F6)
        c -= 0x60;
    // ヶ and ヵ stand for 箇 (三ヶ月, 五ヵ所) as か does.
    if (c == 0x3095 || c == 0x3096)
        c = 0x304B;
    // The wave dash 〜 as the full-width tilde ～, which NFKC makes ~.
    if (c == 0x301C)
        c = u'~';
    const bool pair = QChar::requiresSurrogates(c);
    if (pair)
        out.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
    else
        out.append(QChar(c));
    if (sources)
        sources->insert(sources->size(), pair ? 2 : 1, source);
}

// NFKC of one character without marks. Samples repeat the same few thousand
// characters, and Qt's normaliser is slow on a single one, so each is worked out once.
const QString& NormaliseSingle(char32_t c)
{
    thread_local QHash<char32_t, QString> known;
    auto it = known.constFind(c);
    if (it == known.cend())
        it = known.insert(c, QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KC));
    return *it;
}

} // namespace

QString SearchText::Normalise(QStringView text)
{
    return Normalise(text, nullptr);
}

QString SearchText::Normalise(QStringView text, QList<Source>* sources)
{
    QString out;
    out.reserve(text.size());
    if (sources) {
        sources->clear();
        sources->reserve(text.size());
    }
    qsizetype i = 0;
    while (i < text.size()) {
        // One character with the marks that belong to it is normalised on its own,
        // so every unit of the result knows which characters it stands for.
        const qsizetype start = i;
        const char32_t first = Next(text, i);
        bool single = true;
        while (i < text.size()) {
            qsizetype after = i;
            if (!Attaches(Next(text, after)))
                break;
            i = after;
            single = false;
        }
        const Source source{start, i};
        if (single &&
            (first == Replacement || QChar::decompositionTag(first) == QChar::NoDecomposition)) {
            Append(first, source, out, sources);
            continue;
        }
        // Next() reads any lone surrogate left in the result as U+FFFD.
        QString cluster;
        if (!single) {
            cluster = text.sliced(start, i - start).toString();
            cluster.replace(QChar(SpacingVoiced), QChar(0x3099));
            cluster.replace(QChar(SpacingSemiVoiced), QChar(0x309A));
        }
        const QString folded =
            single ? NormaliseSingle(first) : cluster.normalized(QString::NormalizationForm_KC);
        for (qsizetype j = 0; j < folded.size();)
            Append(Next(folded, j), source, out, sources);
    }
    return out;
}
