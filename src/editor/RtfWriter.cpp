// Writes a QTextDocument as RTF: paragraph alignment and indents, character formats, escapes.
#include "editor/Rtf.h"

#include "core/TextFileCodec.h"

#include <QTextBlock>
#include <QTextDocument>

#include <array>

namespace
{

// One pixel is 15 twips at 4/3 pixel per point.
constexpr double kTwipsPerPixel = 15.0;

// The effective character format of a run, as RTF states it.
struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int font = 0;
    int halfPoints = 24;
    int colour = 0; // 0 is the automatic colour
    bool operator==(const RunFormat&) const = default;
};

// The Windows-1252 byte of a character, or -1. The five bytes the code page leaves undefined
// are not used: other readers would not map them back to the C1 controls.
int ansiByte(char16_t c)
{
    if (c >= 0xA0 && c <= 0xFF)
        return c;
    static const std::array<char16_t, 32> high = [] {
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(char(b));
        const QString chars = decodeWindows1252(bytes);
        std::array<char16_t, 32> table{};
        for (int k = 0; k < 32; ++k)
            table[size_t(k)] = chars.at(k).unicode();
        return table;
    }();
    if (c < 0x80)
        return -1;
    for (int k = 0; k < 32; ++k) {
        if (high[size_t(k)] == c)
            return c == k + 0x80 ? -1 : k + 0x80;
    }
    return -1;
}

// Appends text with RTF escapes. needDelimiter tells whether a control word was written just
// before, so that a following letter, digit or space needs the delimiting space. Outside the
// body (font names) a tab or line separator is a character, not \tab or \line, which readers
// take as formatting there.
enum class Place { Body, Table };
void appendEscaped(QByteArray& out, QStringView text, bool& needDelimiter,
                   Place place = Place::Body)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
            needDelimiter = false;
        } else if (c == u'\t' && place == Place::Body) {
            out += "\\tab";
            needDelimiter = true;
        } else if (c == 0x2028 && place == Place::Body) {
            out += "\\line";
            needDelimiter = true;
        } else if (c >= 0x20 && c < 0x7F) {
            if (needDelimiter)
                out += ' ';
            out += char(c);
            needDelimiter = false;
        } else if (const int byte = ansiByte(c); byte >= 0) {
            out += "\\'";
            out += hex[byte >> 4];
            out += hex[byte & 15];
            needDelimiter = false;
        } else {
            // Signed 16-bit code unit; the '?' is the fallback for readers without \u.
            out += "\\u";
            out += QByteArray::number(c > 0x7FFF ? int(c) - 0x10000 : int(c));
            out += '?';
            needDelimiter = false;
        }
    }
}

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument* document)
        : m_document(document), m_defaultFont(document->defaultFont())
    {
        m_fonts.append(m_defaultFont.family()); // \deff0
    }

    QByteArray write()
    {
        m_body.reserve(m_document->characterCount() + 64 * m_document->blockCount());
        for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next())
            writeParagraph(block);

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            bool delimiter = false;
            appendEscaped(out, QString(m_fonts.at(i)).remove(u';'), delimiter, Place::Table);
            out += ";}";
        }
        out += "}{\\colortbl ;";
        for (const QRgb rgb : m_colours) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" +
                   QByteArray::number(qGreen(rgb)) + "\\blue" + QByteArray::number(qBlue(rgb)) +
                   ';';
        }
        out += "}\r\n\\viewkind4\\uc1\r\n";
        out += m_body;
        out += "}\r\n";
        return out;
    }

private:
    void writeParagraph(const QTextBlock& block)
    {
        const QTextBlockFormat format = block.blockFormat();
        word("pard");
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            word("qc");
        else if (alignment & Qt::AlignJustify)
            word("qj");
        else if (alignment & Qt::AlignRight)
            word("qr");
        else
            word("ql");
        const int first = qRound(format.textIndent() * kTwipsPerPixel);
        const int left = qRound(format.leftMargin() * kTwipsPerPixel);
        const int right = qRound(format.rightMargin() * kTwipsPerPixel);
        if (first != 0)
            word("fi", first);
        if (left != 0)
            word("li", left);
        if (right != 0)
            word("ri", right);

        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.length() == 0)
                continue;
            switchTo(runFormat(fragment.charFormat()));
            appendEscaped(m_body, fragment.text(), m_needDelimiter);
            empty = false;
        }
        // An empty line keeps the size and font of its paragraph mark.
        if (empty)
            switchTo(runFormat(block.charFormat()));
        m_body += "\\par\r\n";
        m_needDelimiter = false;
    }

    RunFormat runFormat(const QTextCharFormat& format)
    {
        RunFormat run;
        run.bold = (format.hasProperty(QTextFormat::FontWeight)
                        ? format.fontWeight()
                        : m_defaultFont.weight()) >= QFont::DemiBold;
        run.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic()
                                                                 : m_defaultFont.italic();
        run.underline = (format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                         format.hasProperty(QTextFormat::FontUnderline))
                            ? format.fontUnderline()
                            : m_defaultFont.underline();
        run.strike = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut()
                                                                    : m_defaultFont.strikeOut();

        const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
        const QString family = families.isEmpty() ? m_defaultFont.family() : families.first();
        run.font = int(m_fonts.indexOf(family));
        if (run.font < 0) {
            run.font = int(m_fonts.size());
            m_fonts.append(family);
        }

        double points = 0;
        if (format.hasProperty(QTextFormat::FontPointSize))
            points = format.fontPointSize();
        else if (format.hasProperty(QTextFormat::FontPixelSize))
            points = format.intProperty(QTextFormat::FontPixelSize) * 0.75;
        else if (m_defaultFont.pointSizeF() > 0)
            points = m_defaultFont.pointSizeF();
        else if (m_defaultFont.pixelSize() > 0)
            points = m_defaultFont.pixelSize() * 0.75;
        run.halfPoints = points > 0 ? qBound(1, qRound(points * 2), 3276) : 24;

        if (format.hasProperty(QTextFormat::ForegroundBrush) &&
            format.foreground().style() != Qt::NoBrush) {
            const QRgb rgb = format.foreground().color().rgb() | 0xFF000000u;
            qsizetype index = m_colours.indexOf(rgb);
            if (index < 0) {
                index = m_colours.size();
                m_colours.append(rgb);
            }
            run.colour = int(index) + 1;
        }
        return run;
    }

    void switchTo(const RunFormat& run)
    {
        if (run.bold != m_current.bold)
            word(run.bold ? "b" : "b0");
        if (run.italic != m_current.italic)
            word(run.italic ? "i" : "i0");
        if (run.underline != m_current.underline)
            word(run.underline ? "ul" : "ulnone");
        if (run.strike != m_current.strike)
            word(run.strike ? "strike" : "strike0");
        if (run.font != m_current.font)
            word("f", run.font);
        if (run.halfPoints != m_current.halfPoints)
            word("fs", run.halfPoints);
        if (run.colour != m_current.colour)
            word("cf", run.colour);
        m_current = run;
    }

    void word(const char* name)
    {
        m_body += '\\';
        m_body += name;
        m_needDelimiter = true;
    }

    void word(const char* name, int value)
    {
        word(name);
        m_body += QByteArray::number(value);
    }

    const QTextDocument* m_document;
    QFont m_defaultFont;
    QStringList m_fonts;
    QList<QRgb> m_colours;
    QByteArray m_body;
    RunFormat m_current; // what a reader assumes at the start: \plain with \f0 \fs24 \cf0
    bool m_needDelimiter = false;
};

} // namespace

QByteArray writeRtf(const QTextDocument* document)
{
    return RtfWriter(document).write();
}
