// Markup of the eight HTML list kinds and of a form's selection list, and the table of the nine
// list commands.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

enum class ListKind {
    Numbered,
    UpperAlpha,
    LowerAlpha,
    UpperRoman,
    LowerRoman,
    BulletRound,
    BulletSquare,
    Directory,
    Selection,
};

// What a list command shows and writes.
struct ListKindSpec {
    ListKind kind;
    const char* handler;
    const char* caption; // of the list dialog
    const char* opening; // opening line without its CR LF; empty for the selection list
    const char* closing; // written without a line break after it
    int gridHeight;
    int helpTopic;
};

const ListKindSpec& listKindSpec(ListKind kind);
std::span<const ListKindSpec> listKindSpecs();

// opening CR LF, then TAB "<li>" line "</li>" CR LF per line, then the closing tag. Lines are
// written as typed.
QString listMarkup(ListKind kind, const QStringList& lines);

struct SelectListValues {
    QString name;
    QString sizePart;     // " size=" + size, or empty
    QString multiplePart; // " multiple" or empty
};
// The parts as the dialog's fields give them: an empty size gives no size attribute.
SelectListValues selectListValues(const QString& name, const QString& size, bool multiple);
// "<select name=\"...\"" size multiple ">" CR LF, TAB "<option>" line CR LF per line (no closing
// option tag), then "</select>".
QString selectListMarkup(const SelectListValues& values, const QStringList& lines);
