// Reads RTF into a QTextDocument: a tolerant state machine over groups and control words.
#include "editor/Rtf.h"

#include "core/TextFileCodec.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace
{

constexpr double kTwipsPerPixel = 15.0;
// Deeper nesting is still counted but shares the innermost state, so that a file of nothing
// but braces cannot exhaust memory.
constexpr size_t kMaxDepth = 1000;

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int font = 0;
    int halfPoints = 24;
    int colour = 0;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int firstTwips = 0;
    int leftTwips = 0;
    int rightTwips = 0;
};

enum class Destination { Text, FontTable, ColourTable, Skip };

struct Group {
    CharState chr;
    ParaState para;
    int unicodeSkip = 1; // \ucN: fallback characters that follow each \uN
    Destination destination = Destination::Text;
};

struct Run {
    CharState chr;
    QString text;
};

struct Paragraph {
    ParaState para;
    CharState mark; // format of the paragraph mark, which an empty line shows
    std::vector<Run> runs;
};

enum class Keyword {
    Par,
    Line,
    Tab,
    Pard,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Font,
    FontSize,
    Colour,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    FirstIndent,
    LeftIndent,
    RightIndent,
    Unicode,
    UnicodeSkip,
    DefaultFont,
    Binary,
    Red,
    Green,
    Blue,
    FontTable,
    ColourTable,
    SkipDestination,
    Character, // a control word that stands for one character
};

struct KeywordInfo {
    Keyword keyword;
    char16_t character = 0;
};

const std::unordered_map<std::string_view, KeywordInfo>& keywords()
{
    static const std::unordered_map<std::string_view, KeywordInfo> table = [] {
        std::unordered_map<std::string_view, KeywordInfo> t;
        for (const char* w : {"par", "sect", "page", "row"})
            t[w] = {Keyword::Par};
        t["line"] = {Keyword::Line};
        t["tab"] = {Keyword::Tab};
        t["cell"] = {Keyword::Tab};
        t["pard"] = {Keyword::Pard};
        t["plain"] = {Keyword::Plain};
        t["b"] = {Keyword::Bold};
        t["i"] = {Keyword::Italic};
        t["strike"] = {Keyword::Strike};
        for (const char* w : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                              "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                              "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t[w] = {Keyword::Underline};
        t["ulnone"] = {Keyword::UnderlineNone};
        t["f"] = {Keyword::Font};
        t["fs"] = {Keyword::FontSize};
        t["cf"] = {Keyword::Colour};
        t["ql"] = {Keyword::AlignLeft};
        t["qc"] = {Keyword::AlignCenter};
        t["qr"] = {Keyword::AlignRight};
        t["qj"] = {Keyword::AlignJustify};
        t["qd"] = {Keyword::AlignJustify};
        t["fi"] = {Keyword::FirstIndent};
        t["li"] = {Keyword::LeftIndent};
        t["lin"] = {Keyword::LeftIndent};
        t["ri"] = {Keyword::RightIndent};
        t["rin"] = {Keyword::RightIndent};
        t["u"] = {Keyword::Unicode};
        t["uc"] = {Keyword::UnicodeSkip};
        t["deff"] = {Keyword::DefaultFont};
        t["bin"] = {Keyword::Binary};
        t["red"] = {Keyword::Red};
        t["green"] = {Keyword::Green};
        t["blue"] = {Keyword::Blue};
        t["fonttbl"] = {Keyword::FontTable};
        t["colortbl"] = {Keyword::ColourTable};
        for (const char* w : {"stylesheet",
                              "info",
                              "pict",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "fldinst",
                              "object",
                              "objdata",
                              "listtable",
                              "listoverridetable",
                              "rsidtbl",
                              "xmlnstbl",
                              "themedata",
                              "colorschememapping",
                              "latentstyles",
                              "datastore",
                              "generator",
                              "filetbl",
                              "revtbl",
                              "annotation",
                              "atnid",
                              "atnauthor",
                              "bkmkstart",
                              "bkmkend",
                              "xe",
                              "tc",
                              "txe",
                              "rxe",
                              "private",
                              "pgdsctbl",
                              "nonshppict",
                              "shpinst",
                              "comment",
                              "title",
                              "author",
                              "operator",
                              "keywords",
                              "subject",
                              "doccomm",
                              "company",
                              "template",
                              "ftnsep",
                              "ftnsepc",
                              "ftncn",
                              "aftnsep",
                              "aftnsepc",
                              "aftncn",
                              "background",
                              "userprops",
                              "docvar",
                              "fchars",
                              "lchars",
                              "mmathPr",
                              "wgrffmtfilter"})
            t[w] = {Keyword::SkipDestination};
        t["emdash"] = {Keyword::Character, 0x2014};
        t["endash"] = {Keyword::Character, 0x2013};
        t["bullet"] = {Keyword::Character, 0x2022};
        t["lquote"] = {Keyword::Character, 0x2018};
        t["rquote"] = {Keyword::Character, 0x2019};
        t["ldblquote"] = {Keyword::Character, 0x201C};
        t["rdblquote"] = {Keyword::Character, 0x201D};
        t["emspace"] = {Keyword::Character, 0x2003};
        t["enspace"] = {Keyword::Character, 0x2002};
        t["qmspace"] = {Keyword::Character, 0x2005};
        return t;
    }();
    return table;
}

QChar ansiChar(unsigned char byte)
{
    static const QString table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            bytes[b] = char(b);
        return decodeWindows1252(bytes);
    }();
    return table.at(byte);
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class RtfParser
{
public:
    explicit RtfParser(const QByteArray& rtf)
        : m_data(rtf.constData()), m_size(size_t(rtf.size())), m_paragraphs(1)
    {
    }

    void parse(size_t start)
    {
        m_pos = start;
        while (m_pos < m_size) {
            const char c = m_data[m_pos];
            if (c == '{') {
                ++m_pos;
                openGroup();
            } else if (c == '}') {
                ++m_pos;
                if (closeGroup())
                    break; // the document's outermost group has ended
            } else if (c == '\\') {
                ++m_pos;
                control();
            } else if (m_groups.empty() || c == '\r' || c == '\n' ||
                       (static_cast<unsigned char>(c) < 0x20 && c != '\t')) {
                ++m_pos; // line breaks and other control bytes of the file are not text
            } else if (m_skipChars == 0 && top().destination == Destination::Text) {
                textSpan();
            } else {
                ++m_pos;
                character(ansiChar(static_cast<unsigned char>(c)));
            }
        }
        finish();
    }

    void fill(QTextDocument* document) const
    {
        const bool undo = document->isUndoRedoEnabled();
        document->setUndoRedoEnabled(false);
        document->clear();
        QTextCursor cursor(document);
        cursor.beginEditBlock();
        for (size_t i = 0; i < m_paragraphs.size(); ++i) {
            const Paragraph& paragraph = m_paragraphs[i];
            if (i == 0) {
                cursor.setBlockFormat(blockFormat(paragraph.para));
                cursor.setBlockCharFormat(charFormat(paragraph.mark));
            } else {
                cursor.insertBlock(blockFormat(paragraph.para), charFormat(paragraph.mark));
            }
            for (const Run& run : paragraph.runs)
                cursor.insertText(run.text, charFormat(run.chr));
        }
        cursor.endEditBlock();
        document->setUndoRedoEnabled(undo);
        document->clearUndoRedoStacks();
    }

private:
    Group& top() { return m_groups.back(); }

    void openGroup()
    {
        m_skipChars = 0;
        if (m_groups.empty()) {
            m_groups.emplace_back();
        } else if (m_groups.size() >= kMaxDepth) {
            ++m_extraDepth;
        } else {
            m_groups.push_back(m_groups.back());
        }
    }

    // Returns true when the outermost group has closed.
    bool closeGroup()
    {
        m_skipChars = 0;
        if (m_extraDepth > 0) {
            --m_extraDepth;
            return false;
        }
        if (m_groups.empty())
            return false;
        if (top().destination == Destination::FontTable)
            commitFont();
        if (m_groups.size() == 1) {
            m_last = top();
            m_groups.pop_back();
            return true;
        }
        m_groups.pop_back();
        return false;
    }

    // At the character after a backslash.
    void control()
    {
        if (m_pos >= m_size)
            return;
        const char c = m_data[m_pos];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++m_pos;
        if (m_groups.empty())
            return;
        switch (c) {
        case '\'': {
            int value = 0;
            int digits = 0;
            while (digits < 2 && m_pos < m_size && hexValue(m_data[m_pos]) >= 0) {
                value = value * 16 + hexValue(m_data[m_pos]);
                ++m_pos;
                ++digits;
            }
            if (digits > 0)
                character(ansiChar(static_cast<unsigned char>(value)));
            break;
        }
        case '\\':
        case '{':
        case '}':
            character(QChar::fromLatin1(c));
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        default:
            controlSymbol(c);
            break;
        }
    }

    // The symbols that carry no character of their own.
    void controlSymbol(char c)
    {
        if (m_skipChars > 0) {
            --m_skipChars; // still one fallback character of the last \u
            return;
        }
        if (c == '*') {
            // An ignorable destination: everything we need is reachable without one.
            if (m_groups.size() > 1)
                top().destination = Destination::Skip;
        } else if (c == '\r' || c == '\n') {
            keyword(Keyword::Par, false, 0);
        }
        // \- optional hyphen, \: index entry and the like carry nothing for us.
    }

    void controlWord()
    {
        const size_t start = m_pos;
        while (m_pos < m_size && isLetter(m_data[m_pos]))
            ++m_pos;
        const std::string_view name(m_data + start, std::min<size_t>(m_pos - start, 32));
        bool negative = false;
        if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParam = false;
        qint64 value = 0;
        while (m_pos < m_size && isDigit(m_data[m_pos])) {
            hasParam = true;
            if (value < 100000000000LL)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (m_pos < m_size && m_data[m_pos] == ' ')
            ++m_pos;
        value = std::clamp<qint64>(negative ? -value : value, -2147483647LL, 2147483647LL);
        if (m_groups.empty())
            return;
        const auto found = keywords().find(name);
        if (found == keywords().end()) {
            if (m_skipChars > 0)
                --m_skipChars;
            return;
        }
        if (found->second.keyword == Keyword::Binary) {
            // Raw bytes that must not be parsed, whatever the destination.
            m_pos += std::min<size_t>(size_t(std::max<qint64>(value, 0)), m_size - m_pos);
            if (m_skipChars > 0)
                --m_skipChars;
            return;
        }
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        if (found->second.keyword == Keyword::Character) {
            character(QChar(found->second.character));
            return;
        }
        keyword(found->second.keyword, hasParam, int(value));
    }

    void keyword(Keyword keyword, bool hasParam, int value)
    {
        Group& group = top();
        const bool on = !hasParam || value != 0;
        switch (group.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (keyword == Keyword::Font) {
                commitFont();
                m_fontNumber = value;
            } else if (keyword == Keyword::Unicode) {
                unicode(value);
            } else if (keyword == Keyword::SkipDestination) {
                group.destination = Destination::Skip;
            }
            return;
        case Destination::ColourTable:
            if (int* component = keyword == Keyword::Red     ? &m_red
                                 : keyword == Keyword::Green ? &m_green
                                 : keyword == Keyword::Blue  ? &m_blue
                                                             : nullptr) {
                *component = std::clamp(value, 0, 255);
                m_colourGiven = true;
            }
            return;
        case Destination::Text:
            break;
        }
        CharState& chr = group.chr;
        ParaState& para = group.para;
        switch (keyword) {
        case Keyword::Par:
            endParagraph();
            break;
        case Keyword::Line:
            appendText(QStringView(u"\u2028"));
            break;
        case Keyword::Tab:
            appendText(QStringView(u"\t"));
            break;
        case Keyword::Pard:
            para = ParaState();
            break;
        case Keyword::Plain:
            chr = CharState();
            chr.font = m_defaultFont;
            break;
        case Keyword::Bold:
            chr.bold = on;
            break;
        case Keyword::Italic:
            chr.italic = on;
            break;
        case Keyword::Underline:
            chr.underline = on;
            break;
        case Keyword::UnderlineNone:
            chr.underline = false;
            break;
        case Keyword::Strike:
            chr.strike = on;
            break;
        case Keyword::Font:
            chr.font = value;
            break;
        case Keyword::FontSize:
            chr.halfPoints = value > 0 ? std::min(value, 3276) : 24;
            break;
        case Keyword::Colour:
            chr.colour = value;
            break;
        case Keyword::AlignLeft:
            para.alignment = Qt::AlignLeft;
            break;
        case Keyword::AlignCenter:
            para.alignment = Qt::AlignHCenter;
            break;
        case Keyword::AlignRight:
            para.alignment = Qt::AlignRight;
            break;
        case Keyword::AlignJustify:
            para.alignment = Qt::AlignJustify;
            break;
        case Keyword::FirstIndent:
            para.firstTwips = indent(value);
            break;
        case Keyword::LeftIndent:
            para.leftTwips = indent(value);
            break;
        case Keyword::RightIndent:
            para.rightTwips = indent(value);
            break;
        case Keyword::Unicode:
            unicode(value);
            break;
        case Keyword::UnicodeSkip:
            group.unicodeSkip = std::clamp(value, 0, 16);
            break;
        case Keyword::DefaultFont:
            m_defaultFont = value;
            chr.font = value;
            break;
        case Keyword::FontTable:
            group.destination = Destination::FontTable;
            m_fontName.clear();
            break;
        case Keyword::ColourTable:
            group.destination = Destination::ColourTable;
            m_colourGiven = false;
            m_red = m_green = m_blue = 0;
            break;
        case Keyword::SkipDestination:
            group.destination = Destination::Skip;
            break;
        case Keyword::Binary:
        case Keyword::Red:
        case Keyword::Green:
        case Keyword::Blue:
        case Keyword::Character:
            break;
        }
    }

    static int indent(int twips) { return std::clamp(twips, -1000000, 1000000); }

    void unicode(int value)
    {
        // Writers store units above 32767 as negative numbers (\u-8364); every 16-bit unit is
        // taken, so that whatever a document holds comes back. Anything wider is garbage.
        if (value >= -32768 && value <= 65535)
            character(QChar(char16_t((value + 65536) % 65536)));
        m_skipChars = top().unicodeSkip;
    }

    // One character of any destination (an escape, or a text byte outside the fast path).
    void character(QChar c)
    {
        if (m_skipChars > 0) {
            --m_skipChars;
            return;
        }
        switch (top().destination) {
        case Destination::Text:
            appendText(QStringView(&c, 1));
            break;
        case Destination::FontTable:
            if (c == u';')
                commitFont();
            else
                m_fontName += c;
            break;
        case Destination::ColourTable:
            if (c == u';') {
                m_colours.push_back(m_colourGiven ? QColor(m_red, m_green, m_blue) : QColor());
                m_colourGiven = false;
                m_red = m_green = m_blue = 0;
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    // Plain text bytes of the body, taken in one piece.
    void textSpan()
    {
        const size_t start = m_pos;
        while (m_pos < m_size) {
            const char c = m_data[m_pos];
            if (c == '{' || c == '}' || c == '\\' ||
                (static_cast<unsigned char>(c) < 0x20 && c != '\t'))
                break;
            ++m_pos;
        }
        appendText(decodeWindows1252(QByteArray::fromRawData(m_data + start, m_pos - start)));
    }

    void appendText(QStringView text)
    {
        Paragraph& paragraph = m_paragraphs.back();
        const CharState& chr = top().chr;
        if (paragraph.runs.empty() || !(paragraph.runs.back().chr == chr))
            paragraph.runs.push_back({chr, QString()});
        paragraph.runs.back().text += text;
    }

    void endParagraph()
    {
        m_paragraphs.back().para = top().para;
        m_paragraphs.back().mark = top().chr;
        m_paragraphs.emplace_back();
    }

    void commitFont()
    {
        const QString name = m_fontName.trimmed();
        if (!name.isEmpty())
            m_fonts.insert_or_assign(m_fontNumber, name);
        m_fontName.clear();
    }

    // The paragraph after the last \par takes the final state; left empty, it is only the
    // end of the file, not a line of its own.
    void finish()
    {
        const Group& group = m_groups.empty() ? m_last : m_groups.back();
        Paragraph& last = m_paragraphs.back();
        last.para = group.para;
        last.mark = group.chr;
        if (m_paragraphs.size() > 1 && last.runs.empty())
            m_paragraphs.pop_back();
    }

    QTextBlockFormat blockFormat(const ParaState& para) const
    {
        QTextBlockFormat format;
        format.setAlignment(para.alignment);
        format.setTextIndent(para.firstTwips / kTwipsPerPixel);
        format.setLeftMargin(para.leftTwips / kTwipsPerPixel);
        format.setRightMargin(para.rightTwips / kTwipsPerPixel);
        return format;
    }

    QTextCharFormat charFormat(const CharState& chr) const
    {
        QTextCharFormat format;
        format.setFontWeight(chr.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chr.italic);
        format.setFontUnderline(chr.underline);
        format.setFontStrikeOut(chr.strike);
        if (const auto font = m_fonts.find(chr.font); font != m_fonts.end())
            format.setFontFamilies({font->second});
        format.setFontPointSize(chr.halfPoints / 2.0);
        if (chr.colour >= 0 && size_t(chr.colour) < m_colours.size() &&
            m_colours[size_t(chr.colour)].isValid())
            format.setForeground(m_colours[size_t(chr.colour)]);
        return format;
    }

    const char* m_data;
    size_t m_size;
    size_t m_pos = 0;
    std::vector<Group> m_groups;
    size_t m_extraDepth = 0;
    Group m_last;        // state of the outermost group when it closed
    int m_skipChars = 0; // fallback characters of the last \u still to skip
    std::vector<Paragraph> m_paragraphs;

    std::unordered_map<int, QString> m_fonts;
    int m_defaultFont = 0;
    int m_fontNumber = 0;
    QString m_fontName;

    std::vector<QColor> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;
};

// Where "{\rtf" starts, allowing leading white space and a UTF-8 BOM; -1 if it is not RTF.
qsizetype rtfStart(const QByteArray& bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes.at(i) == ' ' || bytes.at(i) == '\t' || bytes.at(i) == '\r' ||
                                bytes.at(i) == '\n'))
        ++i;
    return QByteArrayView(bytes).sliced(i).startsWith("{\\rtf") ? i : -1;
}

} // namespace

void readRtf(const QByteArray& rtf, QTextDocument* document)
{
    const qsizetype start = rtfStart(rtf);
    if (start < 0) {
        // Not RTF at all: show the file as it is rather than nothing.
        document->setPlainText(decodeTextFile(rtf).text);
        document->clearUndoRedoStacks();
        return;
    }
    RtfParser parser(rtf);
    parser.parse(size_t(start));
    parser.fill(document);
}
