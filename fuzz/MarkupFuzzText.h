// The texts of the markup fuzz targets (tag matcher, body tag): an ASCII byte stands for itself,
// any other byte for one of a few pieces of markup or a character beyond ASCII.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <iterator>

namespace MarkupFuzzText
{

// Pieces that make tags, comments, declarations, quoted values and body tags frequent.
inline const char16_t* const kPieces[] = {
    u"<b>",     u"</b>",       u"<B>",
    u"</B >",   u"<p>",        u"</p>",
    u"<p",      u"<!--",       u"-->",
    u"<!-->",   u"<!--->",     u" -- ",
    u"<!DOC ",  u"<?x ",       u" a=\"",
    u" a='",    u"<br>",       u"<b/>",
    u"<b\n>",   u"<\u00C4>",   u"</\u00E4>",
    u" t=x ",   u"\u2029",     u"\r\n",
    u"<body",   u"<BODY",      u"<Body bgcolor=\"#FFFFFF\"",
    u"</body>", u"<html>",     u"\u00C4",
    u"\u00DF",  u"\u00E4",     u"\u2028",
    u"\uFDD0",  u"\U0001F600",
};
inline constexpr int kPieceCount = int(std::size(kPieces));

inline QString decode(const std::uint8_t* data, std::size_t size)
{
    QString text;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80)
            text += QChar(data[i]);
        else
            text += QString::fromUtf16(kPieces[(data[i] - 0x80) % kPieceCount]);
    }
    return text;
}

// The bytes decode gives text back from; a character beyond ASCII that no piece holds alone
// becomes '?'.
inline QByteArray encode(const QString& text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x80) {
            bytes += char(c);
            continue;
        }
        int piece = 0;
        while (piece < kPieceCount) {
            const QString p = QString::fromUtf16(kPieces[piece]);
            if (QStringView(text).sliced(i).startsWith(p) && p.at(0).unicode() >= 0x80)
                break;
            ++piece;
        }
        if (piece < kPieceCount) {
            bytes += char(0x80 + piece);
            i += QString::fromUtf16(kPieces[piece]).size() - 1;
        } else {
            bytes += '?';
        }
    }
    return bytes;
}

} // namespace MarkupFuzzText
