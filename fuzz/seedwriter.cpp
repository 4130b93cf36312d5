// Writes the fuzz targets' seed corpora with our own writers, into the folder given. The seeds of
// the first four targets are written here; every fuzz/seeds_<topic>.cpp adds its own topic.
#include "SeedWriter.h"

#include "core/ColorText.h"
#include "core/TextFileCodec.h"
#include "editor/Rtf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>
#include <vector>

namespace
{

QDir g_root;

std::vector<void (*)()>& seedTopics()
{
    static std::vector<void (*)()> topics;
    return topics;
}

void rtfSeeds()
{
    QTextDocument plain;
    plain.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QTextCursor(&plain).insertText(QStringLiteral("Grüße aus München, 5 €\tTab\u2028Zeile"));
    writeSeed("rtf", "plain.rtf", writeRtf(&plain));

    QTextDocument rich;
    rich.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QTextCursor cursor(&rich);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setLeftMargin(20);
    centred.setTextIndent(-10);
    centred.setRightMargin(5);
    cursor.setBlockFormat(centred);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    bold.setFontPointSize(14);
    cursor.insertText(QStringLiteral("Titel"), bold);
    cursor.insertBlock(QTextBlockFormat());
    QTextCharFormat styled;
    styled.setFontItalic(true);
    styled.setFontUnderline(true);
    styled.setFontStrikeOut(true);
    styled.setFontFamilies({QStringLiteral("Courier New")});
    styled.setForeground(QColor(255, 0, 0));
    cursor.insertText(QStringLiteral("rot {kursiv} \\ "), styled);
    cursor.insertText(QStringLiteral("中文 😀 \uFFFC\uFFFF"), QTextCharFormat());
    cursor.insertBlock(QTextBlockFormat());
    QTextBlockFormat justified;
    justified.setAlignment(Qt::AlignJustify);
    cursor.insertBlock(justified);
    cursor.insertText(QStringLiteral("Ende"));
    const QByteArray formats = writeRtf(&rich);
    writeSeed("rtf", "formats.rtf", formats);
    // A file cut short, as a failed copy leaves it: the reader meets the end inside a group.
    writeSeed("rtf", "cut.rtf", formats.left(formats.indexOf("rot")));
    QTextDocument empty;
    writeSeed("rtf", "empty.rtf", writeRtf(&empty));
}

void textSeeds()
{
    const QString text = QStringLiteral("<p>Grüße</p>\n<p>5 € \u2028 \u2029 😀</p>\nx\ry\n");
    const QString ansi = QStringLiteral("<p>Grüße</p>\n<p>5 €</p>\nx\ry\n");
    using E = TextFileFormat::Encoding;
    using L = TextFileFormat::LineBreak;
    struct Kind {
        const char* name;
        E encoding;
        L lineBreak;
        const QString* text;
    };
    for (const Kind& kind : {Kind{"utf8-crlf.txt", E::Utf8, L::CrLf, &text},
                             Kind{"utf8bom-lf.txt", E::Utf8Bom, L::Lf, &text},
                             Kind{"ansi-crlf.txt", E::Windows1252, L::CrLf, &ansi},
                             Kind{"ansi-lf.txt", E::Windows1252, L::Lf, &ansi}}) {
        TextFileFormat format{kind.encoding, kind.lineBreak};
        writeSeed("textcodec", kind.name, encodeTextFile(*kind.text, &format));
    }
}

void settingsSeeds()
{
    int k = 0;
    for (const int value : {0, 1, -1, 120000, std::numeric_limits<int>::min()})
        writeSeed("settings", QStringLiteral("integer%1").arg(k++), QByteArray::number(value));
    writeSeed("settings", "hex", "0xFFFFFFFF");
    k = 0;
    for (const std::uint32_t colour : {ColorText::Black, ColorText::White, ColorText::None,
                                       std::uint32_t(0x00123456), std::uint32_t(0x8000000F)})
        writeSeed("settings", QStringLiteral("colour%1").arg(k++),
                  ColorText::toText(colour).toUtf8());
}

// One byte per character of the search target's alphabet:
// a A b B ä Ä ß ẞ ' ' - _ 1 CR LF TAB é.
void searchSeeds()
{
    // Options (bit 0 up, bit 1 case, bit 2 words), selection start (two bytes), selection
    // length, pattern length - 1, then pattern and text.
    auto input = [](std::uint8_t options, int start, int length, QByteArray pattern,
                    QByteArray text) {
        QByteArray bytes;
        bytes += char(options);
        bytes += char(start & 0xFF);
        bytes += char(start >> 8);
        bytes += char(length);
        bytes += char(pattern.size() - 1);
        return bytes + pattern + text;
    };
    // "ab_äß" CR LF "AB1 Äa" CR LF "b"
    const QByteArray text("\x00\x02\x0A\x04\x06\x0C\x0D\x01\x03\x0B\x08\x05\x00\x0C\x0D\x02", 16);
    writeSeed("search", "down", input(0, 0, 0, QByteArray("\x00\x02", 2), text));
    writeSeed("search", "up-case", input(3, 16, 0, QByteArray("\x00", 1), text));
    writeSeed("search", "words", input(4, 1, 2, QByteArray("\x04\x06", 2), text));
    writeSeed("search", "line-break-start", input(0, 0, 0, QByteArray("\x0D\x01", 2), text));
    writeSeed("search", "line-break-end", input(1, 16, 0, QByteArray("\x00\x0C", 2), text));
    writeSeed("search", "whole-break", input(0, 0, 0, QByteArray("\x0C\x0D", 2), text));
}

} // namespace

void writeSeed(const QString& topic, const QString& name, const QByteArray& bytes)
{
    g_root.mkpath(topic);
    QFile file(g_root.filePath(topic + u'/' + name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

SeedTopic::SeedTopic(void (*write)())
{
    seedTopics().push_back(write);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    g_root = QDir(QString::fromLocal8Bit(argv[1]));
    rtfSeeds();
    textSeeds();
    settingsSeeds();
    searchSeeds();
    for (void (*write)() : seedTopics())
        write();
    return 0;
}
