// PageCheckTidy: runs HTML Tidy over a page and turns its messages into German findings at
// offsets of the page's text.
#include "editor/PageCheck.h"

#include <QElapsedTimer>
#include <QHash>
#include <cstring>
#include <mutex>
#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

namespace PageCheck
{
namespace
{

// German texts for the messages authors meet most; %1, %2, ... stand for Tidy's arguments in
// the order of its own text.
const QHash<QByteArray, const char*>& germanTexts()
{
    static const QHash<QByteArray, const char*> texts = {
        {"MISSING_ENDTAG_FOR", "Fehlendes </%1>"},
        {"MISSING_ENDTAG_BEFORE", "Fehlendes </%1> vor %2"},
        {"MISSING_ENDTAG_OPTIONAL", "Fehlendes optionales </%1>"},
        {"MISSING_STARTTAG", "Fehlendes <%1>"},
        {"DISCARDING_UNEXPECTED", "Unerwartetes %1 wird übergangen"},
        {"UNEXPECTED_ENDTAG", "Unerwartetes </%1>"},
        {"UNEXPECTED_ENDTAG_IN", "Unerwartetes </%1> in <%2>"},
        {"NON_MATCHING_ENDTAG", "Unerwartetes </%1>, ersetzt durch </%2>"},
        {"COERCE_TO_ENDTAG", "<%1> ist wohl als </%2> gemeint"},
        {"UNKNOWN_ELEMENT", "Unbekanntes Element %1"},
        {"PROPRIETARY_ELEMENT", "%1 ist kein Element des Standards"},
        {"PROPRIETARY_ATTRIBUTE", "%1: unbekanntes Attribut \"%2\""},
        {"INVALID_ATTRIBUTE", "%1: ungültiger Attributname \"%2\""},
        {"MISSING_ATTR_VALUE", "%1: Attribut \"%2\" ohne Wert"},
        {"BAD_ATTRIBUTE_VALUE", "%1: Attribut \"%2\" mit ungültigem Wert \"%3\""},
        {"MISSING_ATTRIBUTE", "%1 ohne Attribut \"%2\""},
        {"REPEATED_ATTRIBUTE", "%1: Attribut \"%3\" doppelt, der Wert \"%2\" gilt nicht"},
        {"JOINING_ATTRIBUTE", "%1: Attribut \"%2\" doppelt"},
        {"MISSING_QUOTEMARK", "%1: Attribut ohne schließendes Anführungszeichen"},
        {"MISSING_QUOTEMARK_OPEN", "Wert des Attributs \"%1\" ohne Anführungszeichen"},
        {"UNEXPECTED_QUOTEMARK", "%1: unerwartetes oder doppeltes Anführungszeichen"},
        {"UNEXPECTED_GT", "%1: fehlendes '>' am Ende des Tags"},
        {"ANCHOR_NOT_UNIQUE", "%1: Anker \"%2\" ist schon vergeben"},
        {"ID_NAME_MISMATCH", "%1: id und name haben verschiedene Werte"},
        {"NESTED_EMPHASIS", "Verschachtelte Hervorhebung %1"},
        {"CANT_BE_NESTED", "%1 darf nicht verschachtelt werden"},
        {"ILLEGAL_NESTING", "%1 sollte nicht verschachtelt werden"},
        {"TAG_NOT_ALLOWED_IN", "%1 ist in <%2> nicht erlaubt"},
        {"INSERTING_TAG", "Implizites <%1> eingefügt"},
        {"ELEMENT_NOT_EMPTY", "%1 ist nicht leer oder nicht geschlossen"},
        {"TRIM_EMPTY_ELEMENT", "Leeres %1"},
        {"UNKNOWN_ENTITY", "Nicht maskiertes & oder unbekannte Entität \"%1\""},
        {"MISSING_SEMICOLON", "Entität \"%1\" endet nicht mit ';'"},
        {"MISSING_SEMICOLON_NCR", "Zeichenreferenz \"%1\" endet nicht mit ';'"},
        {"UNESCAPED_AMPERSAND", "Nicht maskiertes &, als &amp; schreiben"},
        {"INVALID_NCR", "%1: ungültige Zeichenreferenz %2"},
        {"MISSING_DOCTYPE", "Fehlende <!DOCTYPE>-Angabe"},
        {"MISSING_TITLE_ELEMENT", "Fehlendes <title>-Element"},
        {"UNEXPECTED_END_OF_FILE", "Unerwartetes Dateiende in %1"},
        {"OBSOLETE_ELEMENT", "Veraltetes Element %1, besser %2"},
        {"MALFORMED_COMMENT", "Fehlerhafter Kommentar: benachbarte \"-\""},
        {"BAD_COMMENT_CHARS", "Kommentar darf nur mit \"--\" enden"},
        {"DUPLICATE_FRAMESET", "Doppeltes FRAMESET"},
    };
    return texts;
}

bool tidyHasGerman()
{
    static std::once_flag once;
    static bool german = false;
    // The language is global to the library: set once, before any document is made.
    std::call_once(once, [] { german = tidySetLanguage("de") == yes; });
    return german;
}

// Tidy counts columns in characters (a tab as one with tab size 1) and lines as we do, once every
// line end is fed to it as LF; a column is turned back into an offset by walking the line.
class ColumnWalker
{
public:
    ColumnWalker(QStringView text, const LineIndex& lines)
        : m_text(reinterpret_cast<const char16_t*>(text.utf16())), m_size(text.size()),
          m_lines(lines)
    {
    }
    // Tidy reports roughly in order: the walk goes on from the last place, either way, so a
    // long line is not walked again for every message.
    qsizetype offset(int line, int column)
    {
        if (line < 0 || line >= m_lines.lineCount())
            return line < 0 ? 0 : m_size;
        const qsizetype start = m_lines.lineStart(line);
        const qsizetype end = m_lines.lineEnd(line);
        if (line != m_line) {
            m_line = line;
            m_column = 0;
            m_offset = start;
        }
        while (m_column < column && m_offset < end) {
            const bool pair =
                isHigh(m_text[m_offset]) && m_offset + 1 < end && isLow(m_text[m_offset + 1]);
            m_offset += pair ? 2 : 1;
            ++m_column;
        }
        while (m_column > column && m_offset > start) {
            const bool pair = isLow(m_text[m_offset - 1]) && m_offset - 2 >= start &&
                              isHigh(m_text[m_offset - 2]);
            m_offset -= pair ? 2 : 1;
            --m_column;
        }
        return m_offset;
    }

private:
    static bool isHigh(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
    static bool isLow(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

    const char16_t* m_text;
    qsizetype m_size;
    const LineIndex& m_lines;
    int m_line = -1;
    int m_column = 0;
    qsizetype m_offset = 0;
};

struct Run {
    QByteArray input;
    qsizetype pos = 0;
    Control* control = nullptr;
    int firstPercent = 0;
    int lastPercent = 100;
    QElapsedTimer clock;
    bool cutShort = false;
    QStringView text;
    ColumnWalker* columns = nullptr;
    QList<RawFinding> findings;
    bool german = false;
};

// Tidy works on so large pages for long, and some pathological markup makes it slow: after this
// much time it is fed no more.
constexpr qint64 TimeBudgetMs = 30000;
// More than this many messages of Tidy help no one: the list shows the first, and a note.
constexpr qsizetype MaxFindings = 500;

int getByte(void* data)
{
    auto* run = static_cast<Run*>(data);
    if (run->pos >= run->input.size() || run->cutShort)
        return int(EndOfStream);
    if ((run->pos & 0xFFFF) == 0) {
        if ((run->control && run->control->stop) || run->clock.elapsed() > TimeBudgetMs) {
            run->cutShort = true;
            return int(EndOfStream);
        }
        if (run->control)
            run->control->percent = run->firstPercent + int((run->lastPercent - run->firstPercent) *
                                                            run->pos / run->input.size());
    }
    return uchar(run->input[run->pos++]);
}

void ungetByte(void* data, byte)
{
    auto* run = static_cast<Run*>(data);
    if (run->pos > 0)
        --run->pos;
}

Bool atEnd(void* data)
{
    auto* run = static_cast<Run*>(data);
    return run->pos >= run->input.size() || run->cutShort ? yes : no;
}

QString argumentText(TidyMessage message, TidyMessageArgument* argument)
{
    switch (tidyGetArgType(message, argument)) {
    case tidyFormatType_STRING:
        return QString::fromUtf8(tidyGetArgValueString(message, argument));
    case tidyFormatType_INT:
        return QString::number(tidyGetArgValueInt(message, argument));
    case tidyFormatType_UINT:
        return QString::number(tidyGetArgValueUInt(message, argument));
    case tidyFormatType_DOUBLE:
        return QString::number(tidyGetArgValueDouble(message, argument));
    default:
        return QString();
    }
}

QString germanMessage(TidyMessage message, bool tidyIsGerman)
{
    const auto own = [message] { return QString::fromUtf8(tidyGetMessage(message)); };
    if (tidyIsGerman)
        return own();
    const char* text = germanTexts().value(QByteArray::fromRawData(
        tidyGetMessageKey(message), qsizetype(std::strlen(tidyGetMessageKey(message)))));
    if (!text)
        return own();
    QStringList arguments;
    for (TidyIterator it = tidyGetMessageArguments(message); it;) {
        TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
        arguments << argumentText(message, &argument);
    }
    QString german = QString::fromUtf8(text);
    int wanted = 0;
    for (int n = 1; n <= 3; ++n)
        if (german.contains(QLatin1Char('%') + QString::number(n)))
            wanted = n;
    // A text that wants more than Tidy gave is not the text of this message.
    if (wanted > arguments.size())
        return own();
    // One pass, so an argument that holds "%2" stays as it is.
    switch (wanted) {
    case 0:
        return german;
    case 1:
        return german.arg(arguments[0]);
    case 2:
        return german.arg(arguments[0], arguments[1]);
    default:
        return german.arg(arguments[0], arguments[1], arguments[2]);
    }
}

std::optional<Kind> kindOf(TidyReportLevel level)
{
    switch (level) {
    case TidyInfo:
    case TidyAccess:
        return Kind::Note;
    case TidyWarning:
        return Kind::Warning;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
        return Kind::Error;
    default:
        return std::nullopt;
    }
}

// The length of what a finding at offset covers: a tag up to its '>', else one character.
int coveredLength(QStringView text, qsizetype offset)
{
    if (offset >= text.size())
        return 0;
    if (text[offset] != u'<')
        return 1;
    const qsizetype limit = std::min(text.size(), offset + 200);
    for (qsizetype i = offset + 1; i < limit; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'>')
            return int(i - offset + 1);
        if (c == u'<' || c == u'\r' || c == u'\n' || c == 0x2029)
            return int(i - offset);
    }
    return int(limit - offset);
}

Bool onMessage(TidyMessage message)
{
    auto* run = static_cast<Run*>(tidyGetAppData(tidyGetMessageDoc(message)));
    const std::optional<Kind> kind = kindOf(tidyGetMessageLevel(message));
    if (!kind || run->findings.size() > MaxFindings)
        return no;
    const QByteArray key(tidyGetMessageKey(message));
    // Images without alt are one of our own checks, which finds them in every element.
    if (key == "MISSING_ATTRIBUTE") {
        TidyIterator it = tidyGetMessageArguments(message);
        QString last;
        while (it) {
            TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
            last = argumentText(message, &argument);
        }
        if (last == QLatin1String("alt"))
            return no;
    }
    if (run->findings.size() == MaxFindings) {
        run->findings.append(
            {run->text.size(), 0, Kind::Note, QStringLiteral("Weitere Meldungen ausgelassen")});
        return no;
    }
    const int line = tidyGetMessageLine(message);
    const int column = tidyGetMessageColumn(message);
    const qsizetype offset = line > 0 ? run->columns->offset(line - 1, std::max(column, 1) - 1) : 0;
    run->findings.append({offset, line > 0 ? coveredLength(run->text, offset) : 0, *kind,
                          germanMessage(message, run->german)});
    return no; // nothing reaches Tidy's own output
}

// The text as Tidy reads it: UTF-8, every line end a LF, characters Tidy would take for
// something else (NUL, a leading byte-order mark) as U+FFFD, which counts one column as well.
QByteArray tidyInput(QStringView text, const LineIndex& lines)
{
    QString fed;
    fed.reserve(text.size() + 1);
    for (int line = 0; line < lines.lineCount(); ++line) {
        if (line > 0)
            fed += QLatin1Char('\n');
        fed += text.mid(lines.lineStart(line), lines.lineEnd(line) - lines.lineStart(line));
    }
    for (QChar& c : fed)
        if (c.unicode() == 0)
            c = QChar::ReplacementCharacter;
    if (fed.startsWith(QChar(0xFEFF)))
        fed[0] = QChar::ReplacementCharacter;
    return fed.toUtf8();
}

} // namespace

QList<RawFinding> tidyFindings(QStringView text, const LineIndex& lines, Control* control,
                               int firstPercent, int lastPercent)
{
    Run run;
    run.german = tidyHasGerman();
    run.input = tidyInput(text, lines);
    run.control = control;
    run.firstPercent = firstPercent;
    run.lastPercent = lastPercent;
    run.text = text;
    ColumnWalker columns(text, lines);
    run.columns = &columns;
    run.clock.start();

    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &run);
    tidySetMessageCallback(doc, onMessage);
    TidyBuffer errors;
    tidyBufInit(&errors);
    tidySetErrorBuffer(doc, &errors); // Tidy's summary lines land here, never on stderr
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    tidyOptSetBool(doc, TidyShowInfo, yes);
    tidyOptSetInt(doc, TidyShowErrors, int(MaxFindings) + 1);
    tidyOptSetInt(doc, TidyTabSize, 1);
    tidyOptSetBool(doc, TidyDropEmptyElems, no);
    tidyOptSetBool(doc, TidyDropEmptyParas, no);
    tidySetInCharEncoding(doc, "utf8");

    TidyInputSource source;
    tidyInitSource(&source, &run, getByte, ungetByte, atEnd);
    tidyParseSource(doc, &source);
    tidyRelease(doc);
    tidyBufFree(&errors);

    if (run.cutShort && !(control && control->stop))
        run.findings.append({0, 0, Kind::Note,
                             QStringLiteral("Die Prüfung des Markups dauerte zu lange und wurde "
                                            "nach %1 % des Textes beendet")
                                 .arg(run.pos * 100 / std::max<qsizetype>(1, run.input.size()))});
    return std::move(run.findings);
}

} // namespace PageCheck
