// The input format of the charset guard's fuzz target, shared with the seed writer.
#pragma once

#include "core/TextFileCodec.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// Byte 0: the format (bits 0-1 encoding modulo 3, bits 2-3 main line end, bit 4 every line ends
// with the main one, bit 5 at the read limit). Byte 1: k; at the read limit, the first U+0000 of
// the text (or its end) becomes a filler of SearchedLength - k characters, so that what follows
// stands at the guard's read limit. Then the
// text in UTF-16 (little endian), any code units, lone surrogates too; CR LF, CR, LF and U+2029
// end its lines.
namespace CharsetGuardInput
{

enum : std::uint8_t { UnifyLineEnds = 0x10, AtReadLimit = 0x20 };

// k 0: no filler.
inline QByteArray encode(const TextFileFormat& format, bool unify, int k, const QString& text)
{
    QByteArray bytes;
    bytes += char(int(format.encoding) | int(format.lineBreak) << 2 | (unify ? UnifyLineEnds : 0) |
                  (k != 0 ? AtReadLimit : 0));
    bytes += char(k);
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

} // namespace CharsetGuardInput
