// Fuzz target of the RTF reader and writer: whatever the reader makes of the input, writing it
// and reading it again gives the same document, and writing that gives the same bytes.
#include "FuzzSupport.h"

#include "editor/Rtf.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>

namespace
{

// What RTF can carry of one character's format, with the document's font standing in for
// properties a format leaves unset.
QString describeFormat(const QTextCharFormat& format, const QFont& base)
{
    const int weight =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : base.weight();
    const bool italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : base.italic();
    const bool underline = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                                   format.hasProperty(QTextFormat::FontUnderline)
                               ? format.fontUnderline()
                               : base.underline();
    const bool strike =
        format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut() : base.strikeOut();
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    const QString family = families.isEmpty() ? base.family() : families.first();
    const double points =
        format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : base.pointSizeF();
    QString colour = QStringLiteral("auto");
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush)
        colour = format.foreground().color().name();
    return QStringLiteral("[%1%2%3%4 '%5' %6pt %7]")
        .arg(weight >= QFont::DemiBold ? "b" : "-", italic ? "i" : "-", underline ? "u" : "-",
             strike ? "s" : "-", visible(family), QString::number(points), colour);
}

// The document as text with every change of format, paragraph format and empty-line format
// spelled out; two documents are the same when their descriptions are.
QStringList describe(const QTextDocument& document)
{
    const QFont base = document.defaultFont();
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        QString line = QStringLiteral("align %1 first %2 left %3 right %4:")
                           .arg(int(format.alignment() & Qt::AlignHorizontal_Mask))
                           .arg(qRound(format.textIndent() * 15))
                           .arg(qRound(format.leftMargin() * 15))
                           .arg(qRound(format.rightMargin() * 15));
        QString last;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() == 0)
                continue;
            const QString run = describeFormat(fragment.charFormat(), base);
            if (run != last)
                line += run;
            last = run;
            line += visible(fragment.text(), 1 << 20);
        }
        if (block.length() <= 1)
            line += QStringLiteral(" empty ") + describeFormat(block.charFormat(), base);
        lines += line;
    }
    return lines;
}

QString firstDifference(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a.at(i) : QStringLiteral("(none)");
        const QString y = i < b.size() ? b.at(i) : QStringLiteral("(none)");
        if (x != y)
            return QStringLiteral("paragraph %1\n read:  %2\n again: %3").arg(i).arg(x, y);
    }
    return QString();
}

void readInto(const QByteArray& rtf, QTextDocument* document)
{
    // The editor's documents carry a font of whole points.
    document->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    readRtf(rtf, document);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQtApplication<QGuiApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // No copy: the code reads libFuzzer's buffer of exactly the input's size, so that a read
    // one byte past the end is reported (a QByteArray of its own would end in a NUL).
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
#ifdef TESSALINE_PLANT_OUT_OF_BOUNDS_READ
    // Proves the harness: a read one byte past the input must be reported.
    (void)*static_cast<const volatile std::uint8_t*>(data + size);
#endif
#ifdef TESSALINE_PLANT_LEAK
    // Proves the harness: memory our code never frees must be reported.
    char* lost = new char[64];
    lost[0] = char(size);
#endif
    QTextDocument first;
    readInto(input, &first);
    QByteArray written = writeRtf(&first);
#ifdef TESSALINE_PLANT_ROUND_TRIP_BREAK
    // Proves the harness: a writer that loses the last character of a line must be caught.
    if (const qsizetype par = written.lastIndexOf("\\par"); par > 0 && written.at(par - 1) != ' ')
        written.remove(par - 1, 1);
#endif

    QTextDocument second;
    readInto(written, &second);
    const QStringList before = describe(first);
    const QStringList after = describe(second);
    if (before != after)
        fuzzFailure("the RTF round trip changed the document", firstDifference(before, after));
    if (writeRtf(&second) != written)
        fuzzFailure("writing the document read back gives other bytes",
                    QString::fromLatin1(written.left(2000)));
    return 0;
}
