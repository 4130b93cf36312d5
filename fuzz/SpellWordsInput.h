// The input of the spelling word reader's fuzz target: two places to read in pieces, then the
// text, where an ASCII byte stands for itself and any other byte for a piece of HTML that
// matters to the reader (entities, tags that are skipped or read, addresses, letters).
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace SpellWordsInput
{

inline const char16_t* const kPieces[] = {
    u"&ouml;",
    u"&#246;",
    u"&#xF6;",
    u"&szlig;",
    u"&nbsp;",
    u"&shy;",
    u"<wbr>",
    u"<WBR/>",
    u"<script>",
    u"</script>",
    u"<style>",
    u"</style >",
    u"<!--",
    u"-->",
    u"<!DOCTYPE ",
    u"<?x ",
    u"<meta name=\"description\" content=\"",
    u"<meta content=\"",
    u" name=keywords>",
    u"<img alt=\"",
    u" title='",
    u"\">",
    u" src=x ",
    u"http://",
    u"www.",
    u"@",
    u"\u00E4",
    u"\u00DF",
    u"\U0001D518",
    u"&#xFFFFFFFF;",
    u"&uuml",
    u"\n",
    u"\u00AD",
    u"\u00A0",
    u"\u0301",
    u"\u0430",
    u"-",
    u"&foo;",
    u"</p title=\"",
};
inline constexpr int kPieceCount = int(std::size(kPieces));

struct Input {
    qsizetype firstCut = 0;
    qsizetype secondCut = 0;
    QString text;
};

inline Input decode(const std::uint8_t* data, std::size_t size)
{
    Input input;
    if (size < 2)
        return input;
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] < 0x80)
            input.text += QChar(data[i]);
        else
            input.text += QString::fromUtf16(kPieces[(data[i] - 0x80) % kPieceCount]);
    }
    const qsizetype n = input.text.size() + 1;
    input.firstCut = data[0] % n;
    input.secondCut = input.firstCut + data[1] % (n - input.firstCut);
    return input;
}

// The bytes of a text that decode gives back, the two cuts first; characters beyond ASCII must
// come as whole pieces.
inline QByteArray encode(const QString& text, std::uint8_t firstCut, std::uint8_t secondCut)
{
    QByteArray bytes;
    bytes += char(firstCut);
    bytes += char(secondCut);
    qsizetype i = 0;
    while (i < text.size()) {
        int found = -1;
        qsizetype length = 0;
        for (int p = 0; p < kPieceCount; ++p) {
            const QString piece = QString::fromUtf16(kPieces[p]);
            if (piece.size() > length && QStringView(text).sliced(i).startsWith(piece) &&
                (piece.size() > 1 || piece.at(0).unicode() >= 0x80)) {
                found = p;
                length = piece.size();
            }
        }
        if (found >= 0) {
            bytes += char(0x80 + found);
            i += length;
        } else {
            bytes += char(text.at(i).unicode() < 0x80 ? text.at(i).unicode() : u'?');
            ++i;
        }
    }
    return bytes;
}

} // namespace SpellWordsInput
