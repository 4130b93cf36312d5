// The background commands: the quick background colour and the background settings.
#include "references/Background.h"

#include "core/ShellState.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "references/BackgroundDialog.h"
#include "references/BackgroundMarkup.h"
#include "widgets/ColorPicker.h"

namespace
{

constexpr int QuickColorHelpTopic = 310;

QStringList documentLines(const TExtRich& memo)
{
    QStringList lines;
    const int count = memo.lineCount();
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(memo.line(i));
    return lines;
}

} // namespace

void putBodyTag(TExtRich& memo, const QString& tag)
{
    const QStringList lines = documentLines(memo);
    BodyTagPlace place;
    const QStringList rewritten = replaceBodyTag(lines, tag, &place);
    if (!place.found()) {
        memo.replaceSelection(tag);
        return;
    }
    // The lines the old tag stood on become the rewritten line, as one undo step.
    const int lineStart = memo.firstPositionOfLine(place.line);
    const int lineEnd =
        memo.firstPositionOfLine(place.endLine) + int(lines.at(place.endLine).size());
    const int start = lineStart + place.column;
    const int end = memo.firstPositionOfLine(place.endLine) + place.endColumn;
    // The caret keeps its place in the text around the tag; inside the old tag it goes behind
    // the new one.
    const int caret = memo.selStart();
    const int selected = memo.selLength();
    memo.setSelStart(lineStart);
    memo.setSelLength(lineEnd - lineStart);
    memo.replaceSelection(rewritten.at(place.line));
    const int shift = int(tag.size()) - (end - start);
    if (caret >= end) {
        memo.setSelStart(caret + shift);
        memo.setSelLength(selected);
    } else if (caret + selected <= start) {
        memo.setSelStart(caret);
        memo.setSelLength(selected);
    } else {
        memo.setSelStart(start + int(tag.size()));
    }
}

void Hintergrundfarbe1Click(TMDIChild& child)
{
    ShellState& state = shellStateOf(child);
    const auto color =
        ColorPicker::pick(&child, state.quickBackground.value_or(0xFFFFFF), QuickColorHelpTopic);
    if (!color)
        return;
    state.quickBackground = *color;
    BodyAttributes attributes;
    attributes.bgcolor = colorAttribute("bgcolor", *color);
    putBodyTag(*child.TextMemo, bodyTag(attributes));
}

void Hintergrundbild2Click(TMDIChild& child)
{
    TDBgrdImage dialog(dialogEnv(child), shellStateOf(child).quickBackground);
    if (dialog.exec() == QDialog::Accepted)
        putBodyTag(*child.TextMemo, bodyTag(dialog.bodyAttributes()));
}

namespace
{

const DocumentCommand commands[] = {
    {"Hintergrundfarbe1Click", &Hintergrundfarbe1Click},
    {"Hintergrundbild2Click", &Hintergrundbild2Click},
};

} // namespace

std::span<const DocumentCommand> backgroundCommands()
{
    return commands;
}
