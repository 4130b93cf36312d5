// Fuzz target of per-line line ends through edits and undo: a file with any line ends is loaded
// into the text control, edited by the input's commands, and written as a save writes it. The
// written bytes read back as the control's lines, loaded again they give the same text, and with
// every edit undone the save gives the file's own bytes again.
#include "FuzzSupport.h"

#include "core/TextFileCodec.h"
#include "editor/LineEnds.h"
#include "editor/TextControl.h"

#include <QApplication>
#include <QKeyEvent>

#include <cstdint>

namespace
{

// Input: byte 0 holds the number of commands (low three bits), three bytes per command follow
// (what, then the position low and high byte), and the rest is the file.
constexpr std::size_t CommandBytes = 3;

enum Command : std::uint8_t { Paste, Return, Backspace, Delete, TypeOver, Undo, Redo, Join };

// What a paste or a replacement puts in: line ends of every kind, the two characters Qt would
// take for frame marks (and the stand-in of one), and a piece that makes a line long.
const QString& pieceOf(std::uint8_t what)
{
    static const QString pieces[] = {
        QStringLiteral("x"),
        QStringLiteral("\r\n"),
        QStringLiteral("\n"),
        QStringLiteral("\r"),
        QStringLiteral("\uFDD0"),
        QStringLiteral("\uFDD1\uFDD2"),
        QString(),
        QStringLiteral("<td>\u2029</td>"),
        QString(700, u'w'),
        QStringLiteral("a\r\rb\n\n"),
    };
    return pieces[(what >> 3) % std::size(pieces)];
}

void press(TExtRich* edit, Qt::Key key, const QString& text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &up);
}

// The bytes a save writes, and the format it writes them in.
QByteArray saved(const TExtRich* edit, TextFileFormat format, QString* text,
                 TextFileFormat* written = nullptr)
{
    LineBreaks lineEnds;
    *text = edit->fileText(&lineEnds);
    const QByteArray bytes = encodeTextFile(*text, lineEnds, &format);
    if (written)
        *written = format;
    return bytes;
}

// The file as the program reads it knowing its encoding: Windows-1252 bytes that happen to be
// valid UTF-8 would otherwise be taken for UTF-8, which is the guess, not the line ends, at work.
DecodedText reread(const QByteArray& bytes, TextFileFormat::Encoding encoding)
{
    DecodedText decoded = decodeTextFile(bytes);
    if (encoding == TextFileFormat::Encoding::Windows1252 && decoded.format.encoding != encoding) {
        // Line ends are the same bytes in both encodings, and Windows-1252 has no U+2029.
        decoded = decodeTextFile(decodeWindows1252(bytes).toUtf8());
        decoded.format.encoding = encoding;
    }
    return decoded;
}

// Where a caret may stand: never between the two halves of a surrogate pair, which neither keys
// nor the mouse reach.
int caretPlace(const TExtRich* edit, int pos)
{
    const QString around = edit->textSpan(pos - 1, 2);
    return pos > 0 && around.size() == 2 && around[0].isHighSurrogate() &&
                   around[1].isLowSurrogate()
               ? pos - 1
               : pos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQtApplication<QApplication>();
    // One control for every input: loading a text forgets everything of the one before.
    static TExtRich* const edit = new TExtRich;
    if (size == 0)
        return 0;
    const std::size_t commands = std::min<std::size_t>(data[0] & 7, (size - 1) / CommandBytes);
    const std::size_t header = 1 + commands * CommandBytes;
    const QByteArray file =
        QByteArray(reinterpret_cast<const char*>(data) + header, qsizetype(size - header));

    const DecodedText decoded = decodeTextFile(file);
    edit->loadText(decoded.text, decoded.lineEnds, decoded.format.lineBreak);
    QString text;
    if (saved(edit, decoded.format, &text) != file)
        fuzzFailure("an unedited file was saved with other bytes", hex(file));

    QString log;
    for (std::size_t i = 0; i < commands; ++i) {
        const std::uint8_t* command = data + 1 + i * CommandBytes;
        const int where = command[1] | command[2] << 8;
        edit->setSelStart(caretPlace(edit, where % (edit->textLength() + 1)));
        log += QStringLiteral("%1@%2 ").arg(command[0]).arg(edit->selStart());
        switch (Command(command[0] & 7)) {
        case Paste:
            edit->replaceSelection(pieceOf(command[0]));
            break;
        case Return:
            press(edit, Qt::Key_Return, QStringLiteral("\r"));
            break;
        case Backspace:
            press(edit, Qt::Key_Backspace);
            break;
        case Delete:
            press(edit, Qt::Key_Delete);
            break;
        case TypeOver:
            edit->setSelLength(caretPlace(edit, edit->selStart() + (command[0] >> 3)) -
                               edit->selStart());
            press(edit, Qt::Key_Y, QStringLiteral("y"));
            break;
        case Undo:
            edit->undoLast();
            break;
        case Redo:
            edit->redo();
            break;
        case Join:
            edit->setSelLength(caretPlace(edit, edit->selStart() + (command[0] >> 3)) -
                               edit->selStart());
            edit->replaceSelection(pieceOf(command[0]), TExtRich::UndoStep::JoinPrevious);
            break;
        }
    }

    TextFileFormat format = decoded.format;
    const QByteArray written = saved(edit, decoded.format, &text, &format);
    const QString detail = QStringLiteral("file %1\ncommands %2\nwritten %3\ntext %4")
                               .arg(hex(file), log, hex(written), visible(text));
    const DecodedText again = reread(written, format.encoding);
    if (again.text != text)
        fuzzFailure("the saved bytes read back as other lines", detail);
    const QString shown = edit->text();
    if (shown != QString(text).replace(u'\n', QLatin1String("\r\n")))
        fuzzFailure("the control's text and the file's text differ",
                    detail + QStringLiteral("\nshown %1").arg(visible(shown)));

    while (edit->canUndo())
        edit->undoLast();
    QString original;
    if (saved(edit, decoded.format, &original) != file)
        fuzzFailure("with every edit undone the save differs from the file",
                    detail + QStringLiteral("\nundone %1").arg(visible(original)));

    // The saved file, opened again, shows what was saved.
    edit->loadText(again.text, again.lineEnds, again.format.lineBreak);
    if (edit->text() != shown)
        fuzzFailure("the saved file loads as another text",
                    detail + QStringLiteral("\nloaded %1").arg(visible(edit->text())));
    return 0;
}
