// Seeds of the line-end target: files with mixed line ends written by the file codec, each with a
// few edit commands in front (the input layout of fuzz_lineends.cpp).
#include "SeedWriter.h"

#include "core/TextFileCodec.h"

#include <initializer_list>

namespace
{

// The command numbers of fuzz_lineends.cpp; "what" picks the pasted piece in its upper bits.
enum Command : unsigned char { Paste, Return, Backspace, Delete, TypeOver, Undo, Redo, Join };
struct Step {
    unsigned char what;
    int position; // interface position: line breaks count two characters
};

QByteArray input(std::initializer_list<Step> steps, const QByteArray& file)
{
    QByteArray bytes(1, char(steps.size()));
    for (const Step& step : steps) {
        bytes += char(step.what);
        bytes += char(step.position & 0xFF);
        bytes += char(step.position >> 8);
    }
    return bytes + file;
}

unsigned char paste(int piece)
{
    return static_cast<unsigned char>(Paste | piece << 3);
}

// Lines with every kind of line end, written by the codec as a save writes them.
QByteArray mixedFile(TextFileFormat::Encoding encoding)
{
    using L = TextFileFormat::LineBreak;
    const QString text = encoding == TextFileFormat::Encoding::Windows1252
                             ? QStringLiteral("<p>Grüße</p>\n\nx\ny\nz\n")
                             : QStringLiteral("<p>Grüße 😀</p>\n\nx\ny\u2028\nz\n");
    const LineBreaks ends = encoding == TextFileFormat::Encoding::Windows1252
                                ? LineBreaks{L::CrLf, L::Lf, L::Cr, L::Lf, L::CrLf}
                                : LineBreaks{L::CrLf, L::Lf, L::Cr, L::ParagraphSeparator, L::Lf};
    TextFileFormat format{encoding, L::Lf};
    return encodeTextFile(text, ends, &format);
}

void lineEndSeeds()
{
    const QByteArray utf8 = mixedFile(TextFileFormat::Encoding::Utf8);
    const QByteArray ansi = mixedFile(TextFileFormat::Encoding::Windows1252);
    writeSeed("lineends", "unedited", input({}, utf8));
    writeSeed("lineends", "returns-and-deletes",
              input({{Return, 3}, {Backspace, 17}, {Delete, 20}, {Return, 22}}, utf8));
    writeSeed("lineends", "pastes-and-undo",
              input({{paste(1), 5}, {paste(9), 19}, {Undo, 0}, {Redo, 0}, {paste(3), 0}}, ansi));
    writeSeed("lineends", "typed-over-line-ends", input({{TypeOver | 12 << 3, 14}}, ansi));
    writeSeed("lineends", "long-line",
              input({{paste(8), 2}, {Join | 8 << 3, 700}, {Return, 1200}, {Undo, 0}}, utf8));

    // A Return in front of the line behind a lone CR (an empty line ending in LF there would
    // read back as one CR LF) and frame markers read from a file, kept through an edit.
    writeSeed("lineends", "return-behind-lone-cr", input({{Return, 6}}, "a\nb\rc\nd\n"));
    writeSeed("lineends", "frame-markers",
              input({{paste(0), 9}, {paste(4), 3}, {paste(5), 0}},
                    "a\xEF\xB7\x90"
                    "b\r\nc\xEF\xB7\x91\r\n\xEF\xB7\x92zwei\n"));
}

const SeedTopic lineEnds(lineEndSeeds);

} // namespace
