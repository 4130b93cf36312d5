// List files (".lst"): one line of the list per line of the file.
#include "generators/ListFile.h"

#include "core/TextFileCodec.h"
#include "platform/FileIo.h"

#include <QRegularExpression>

QStringList decodeListFile(const QByteArray& bytes)
{
    const DecodedText decoded = decodeTextFile(bytes);
    QStringList lines = decoded.text.split(QLatin1Char('\n'));
    // The text after the last line end is a line only when it holds something.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    else if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

namespace
{

const QRegularExpression& lineEnd()
{
    static const QRegularExpression end(QStringLiteral("\r\n|[\n\r\u2029]"));
    return end;
}

} // namespace

bool holdsLineEnd(const QString& text)
{
    return text.contains(lineEnd());
}

QStringList splitListLine(const QString& text)
{
    QStringList lines = text.split(lineEnd());
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray encodeListFile(const QStringList& lines)
{
    // UTF-8 writes every character; the reader still takes older Windows-1252 files.
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        for (const QString& part : splitListLine(line)) {
            text += part;
            text += QLatin1String("\r\n");
        }
    }
    return text.toUtf8();
}

QStringList readListFile(const QString& path)
{
    return decodeListFile(readWholeFile(path));
}

void writeListFile(const QString& path, const QStringList& lines)
{
    writeFileAtomically(path, encodeListFile(lines));
}
