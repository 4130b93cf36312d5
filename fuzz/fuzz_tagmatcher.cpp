// Fuzz target of the tag matcher: the partner of a partner is the tag itself, and reading from the
// start of any line in the state the colouring gives that line finds the same partner as reading
// the whole text.
#include "FuzzSupport.h"
#include "MarkupFuzzText.h"

#include "editor/HtmlHighlighter.h"
#include "editor/TagMatcher.h"

#include <QStringList>

#include <cstdint>
#include <vector>

namespace
{

using TagMatch::State;

// The states a line can start in; a name or a bare value always ends with its line.
constexpr State kLineStates[] = {State::InText,       State::InComment,      State::InTag,
                                 State::AfterEquals,  State::InDoubleQuoted, State::InSingleQuoted,
                                 State::InDeclaration};

struct Input {
    qsizetype caret = 0;
    qsizetype limit = TagMatch::SearchLimit;
    State start = State::InText;
    int windowLine = 0;
    QString text;
};

// Layout: caret (two bytes), limit (0 for the whole bound, else that many characters), start
// state, the line a window starts at, then the text.
bool parse(const std::uint8_t* data, std::size_t size, Input* input)
{
    if (size < 5)
        return false;
    input->caret = data[0] | data[1] << 8;
    input->limit = data[2] == 0 ? TagMatch::SearchLimit : data[2];
    input->start = kLineStates[data[3] % std::size(kLineStates)];
    input->windowLine = data[4];
    input->text = MarkupFuzzText::decode(data + 5, size - 5);
    input->caret %= input->text.size() + 1;
    return true;
}

QString describe(const Input& input, qsizetype caret, const TagMatch::Match& match)
{
    return QStringLiteral("text '%1'\ncaret %2 limit %3 start %4: name %5+%6 partner %7")
        .arg(visible(input.text, 2000))
        .arg(caret)
        .arg(input.limit)
        .arg(int(input.start))
        .arg(match.nameStart)
        .arg(match.nameLength)
        .arg(match.partnerStart);
}

void checkPartnerOfPartner(const Input& input, qsizetype caret)
{
    const TagMatch::Match match = TagMatch::find(input.text, caret, input.limit, input.start);
    if (!match.atTag() && match.found())
        fuzzFailure("a partner without a tag", describe(input, caret, match));
    if (!match.found())
        return;
    const QStringView text = input.text;
    if (text.sliced(match.nameStart, match.nameLength)
            .compare(text.sliced(match.partnerStart, match.partnerLength), Qt::CaseInsensitive) !=
        0)
        fuzzFailure("the partner has another name", describe(input, caret, match));
    // From either end of the partner's name the way back leads to the tag itself.
    for (const qsizetype at : {match.partnerStart, match.partnerStart + match.partnerLength}) {
        const TagMatch::Match back = TagMatch::find(text, at, input.limit, input.start);
        if (back.nameStart != match.partnerStart || back.partnerStart != match.nameStart)
            fuzzFailure("the partner's partner is not the tag",
                        describe(input, caret, match) +
                            QStringLiteral("\nback from %1: name %2 partner %3")
                                .arg(at)
                                .arg(back.nameStart)
                                .arg(back.partnerStart));
    }
}

// The control reads from the start of a line in the state the colouring knows for it: that must
// find what reading the whole text finds, as long as the stretch read holds the tag and, for a
// closing tag, the bound in front of it.
void checkWindow(const Input& input)
{
    const QString& text = input.text;
    const TagMatch::Tag tag = TagMatch::tagAt(text, input.caret, input.start);
    if (!tag.valid())
        return;
    const QStringList lines = text.split(u'\n');
    const int line = input.windowLine % int(lines.size());
    State state = input.start;
    qsizetype from = 0;
    for (int i = 0; i < line; ++i) {
        state = HtmlHighlighter::endState(lines.at(i), state);
        from += lines.at(i).size() + 1;
    }
    const qsizetype needed = tag.closing ? tag.lt - input.limit : tag.lt;
    if (from > std::max<qsizetype>(needed, 0))
        return;
    const TagMatch::Match whole = TagMatch::find(text, input.caret, input.limit, input.start);
    TagMatch::Match part =
        TagMatch::find(QStringView(text).sliced(from), input.caret - from, input.limit, state);
    if (part.atTag())
        part.nameStart += from;
    if (part.found())
        part.partnerStart += from;
    if (part.nameStart != whole.nameStart || part.partnerStart != whole.partnerStart)
        fuzzFailure("reading from a line start finds another partner",
                    describe(input, input.caret, whole) +
                        QStringLiteral("\nfrom line %1 (%2) in state %3: name %4 partner %5")
                            .arg(line)
                            .arg(from)
                            .arg(int(state))
                            .arg(part.nameStart)
                            .arg(part.partnerStart));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input;
    if (!parse(data, size, &input))
        return 0;
    checkPartnerOfPartner(input, input.caret);
    checkWindow(input);
    // The first tags of the text as well, so that a rule broken anywhere near them shows: a
    // caret behind a '<' or a "</" stands in the name of any tag there is.
    int tags = 0;
    for (qsizetype lt = input.text.indexOf(u'<'); lt >= 0 && lt < 512 && tags < 32;
         lt = input.text.indexOf(u'<', lt + 1), ++tags)
        checkPartnerOfPartner(input, lt + (input.text.sliced(lt).startsWith(u"</") ? 2 : 1));
    return 0;
}
