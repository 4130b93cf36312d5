// List files (".lst"): one line of the list per line of the file.
#include "generators/ListFile.h"

#include "core/TextFileCodec.h"
#include "platform/FileIo.h"
#include "platform/UserError.h"

#include <QLocale>
#include <QRegularExpression>

namespace
{

// The text after the last line end is a line only when it holds something.
qsizetype lineCount(const QString& text)
{
    return text.count(QLatin1Char('\n')) + (text.endsWith(QLatin1Char('\n')) ? 0 : 1) -
           (text.isEmpty() ? 1 : 0);
}

QStringList linesOf(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    else if (lines.size() == 1 && lines.first().isEmpty())
        lines.clear();
    return lines;
}

const QRegularExpression& lineEnd()
{
    static const QRegularExpression end(QStringLiteral("\r\n|[\n\r\u2029]"));
    return end;
}

} // namespace

QStringList decodeListFile(const QByteArray& bytes)
{
    return linesOf(decodeTextFile(bytes).text);
}

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
    // Only the file's first bytes can be a byte-order mark, and the reader drops them: a first
    // line that starts with U+FEFF needs a mark of its own in front so that it keeps the
    // character.
    const QByteArray bom = text.startsWith(QChar::ByteOrderMark) ? "\xEF\xBB\xBF" : "";
    return bom + text.toUtf8();
}

QStringList readListFile(const QString& path)
{
    QString text = decodeTextFile(readWholeFile(path, MaxListFileBytes)).text;
    // Counted in the text before any line is made: a longer list never reaches the dialog.
    if (lineCount(text) > MaxListFileLines) {
        const QLocale german(QLocale::German, QLocale::Germany);
        throw UserError(cannotOpenText(path) + QStringLiteral(": Die Liste hat mehr als %1 Zeilen.")
                                                   .arg(german.toString(MaxListFileLines)));
    }
    return linesOf(text);
}

void writeListFile(const QString& path, const QStringList& lines)
{
    writeFileAtomically(path, encodeListFile(lines));
}
