// Fuzz target of the body-tag rewrite: every character outside the old tag stays as it was, the
// new tag stands where the old one stood (the first "<body" up to its '>', or to the end of its
// line when a '<' or the line's end comes first), and the text control makes the same change,
// with the caret kept in the text around the tag; without a body tag the new tag replaces the
// selection.
#include "FuzzSupport.h"
#include "MarkupFuzzText.h"

#include "editor/TextControl.h"
#include "references/Background.h"
#include "references/BackgroundMarkup.h"

#include <QApplication>

#include <cstdint>

namespace
{

const char16_t* const kTags[] = {
    u"<body>",
    u"<body bgcolor=\"#FF0000\">",
    (u"<body background=\"bilder/stein.gif\" bgproperties=fixed bgcolor=\"#000000\" "
     u"text=\"#FFFFFF\" link=\"#0000FF\" vlink=\"#800080\" alink=\"#FF0000\">"),
    u"",
};
constexpr int kTagCount = int(sizeof(kTags) / sizeof(kTags[0]));

struct Input {
    int selStart = 0;
    int selLength = 0;
    QString tag;
    QString text;
};

// Layout: selection start (two bytes), selection length, the new tag, then the text.
bool parse(const std::uint8_t* data, std::size_t size, Input* input)
{
    if (size < 4)
        return false;
    input->selStart = data[0] | data[1] << 8;
    input->selLength = data[2] % 64;
    input->tag = QString::fromUtf16(kTags[data[3] % kTagCount]);
    input->text = MarkupFuzzText::decode(data + 4, size - 4);
    return true;
}

qsizetype offsetOf(const QStringList& lines, int line, int column, qsizetype breakLength)
{
    qsizetype offset = column;
    for (int i = 0; i < line; ++i)
        offset += lines.at(i).size() + breakLength;
    return offset;
}

QString describe(const QStringList& lines, const QString& tag, const BodyTagPlace& place)
{
    return QStringLiteral("lines '%1'\ntag '%2'\nplace %3:%4 to %5:%6")
        .arg(visible(lines.join(u'\n'), 2000), visible(tag))
        .arg(place.line)
        .arg(place.column)
        .arg(place.endLine)
        .arg(place.endColumn);
}

// The rewrite of lines, checked against the rules read over the joined text.
BodyTagPlace checkLines(const QStringList& lines, const QString& tag)
{
    BodyTagPlace place;
    const QStringList result = replaceBodyTag(lines, tag, &place);
    const QString before = lines.join(u'\n');
    const QString after = result.join(u'\n');
    // Lower case as the rule reads it; nothing but ASCII turns into "<body".
    const qsizetype first = before.toLower().indexOf(QLatin1String("<body"));
    if (!place.found()) {
        if (first >= 0 || result != lines)
            fuzzFailure("a body tag was passed over or lines changed without one",
                        describe(lines, tag, place));
        return place;
    }
    const qsizetype start = offsetOf(lines, place.line, place.column, 1);
    const qsizetype end = offsetOf(lines, place.endLine, place.endColumn, 1);
    if (start != first)
        fuzzFailure("the replaced tag is not the first body tag", describe(lines, tag, place));
    // The tag ends behind its first '>' unless a '<' or the end of the text comes first; then it
    // runs to the end of its own line.
    qsizetype close = start + 1;
    while (close < before.size() && before[close] != u'<' && before[close] != u'>')
        ++close;
    qsizetype expectedEnd = close + 1;
    if (close >= before.size() || before[close] == u'<') {
        expectedEnd = before.indexOf(u'\n', start);
        if (expectedEnd < 0)
            expectedEnd = before.size();
    }
    if (end != expectedEnd)
        fuzzFailure("the replaced stretch is not the old tag",
                    describe(lines, tag, place) +
                        QStringLiteral("\nexpected end %1, got %2").arg(expectedEnd).arg(end));
    if (after != before.left(start) + tag + before.mid(end))
        fuzzFailure("text outside the old tag changed",
                    describe(lines, tag, place) +
                        QStringLiteral("\nafter '%1'").arg(visible(after)));
    return place;
}

// The text control: its lines afterwards are the rewritten lines, and the caret keeps its place.
void checkControl(const Input& input)
{
    static TExtRich* memo = new TExtRich;
    memo->loadText(input.text);
    const int length = memo->textLength();
    memo->setSelStart(input.selStart % (length + 1));
    memo->setSelLength(input.selLength);
    const int caret = memo->selStart();
    const int selected = memo->selLength();
    const QString text = memo->text();
    QStringList lines;
    for (int i = 0; i < memo->lineCount(); ++i)
        lines.append(memo->line(i));
    const BodyTagPlace place = checkLines(lines, input.tag);

    putBodyTag(*memo, input.tag);
    const QString after = memo->text();
    QString expected;
    int expectedCaret = 0;
    int expectedLength = 0;
    if (!place.found()) {
        expected = text.left(caret) + input.tag + text.mid(caret + selected);
        expectedCaret = caret + int(input.tag.size());
    } else {
        // The control's positions count a line break as CR LF.
        const int start = int(offsetOf(lines, place.line, place.column, 2));
        const int end = int(offsetOf(lines, place.endLine, place.endColumn, 2));
        expected = text.left(start) + input.tag + text.mid(end);
        if (caret >= end) {
            expectedCaret = caret + int(input.tag.size()) - (end - start);
            expectedLength = selected;
        } else if (caret + selected <= start) {
            expectedCaret = caret;
            expectedLength = selected;
        } else {
            expectedCaret = start + int(input.tag.size());
        }
    }
    if (after != expected)
        fuzzFailure("the control's rewrite differs from the rewrite of its lines",
                    describe(lines, input.tag, place) +
                        QStringLiteral("\ncontrol '%1'\nexpected '%2'")
                            .arg(visible(after), visible(expected)));
    if (memo->selStart() != expectedCaret || memo->selLength() != expectedLength)
        fuzzFailure("the caret left its place in the text around the tag",
                    describe(lines, input.tag, place) +
                        QStringLiteral("\nselection %1+%2 became %3+%4, expected %5+%6")
                            .arg(caret)
                            .arg(selected)
                            .arg(memo->selStart())
                            .arg(memo->selLength())
                            .arg(expectedCaret)
                            .arg(expectedLength));
    // What the control posted is handled before the next input.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startQtApplication<QApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input;
    if (!parse(data, size, &input))
        return 0;
    // The rewrite of lines as they are, any character in them, then through the control.
    checkLines(input.text.split(u'\n'), input.tag);
    checkControl(input);
    return 0;
}
