// Input fields and text areas: their markup and the dialog TEingabe that asks for both.
#pragma once

#include <QString>

// What TEingabe gathers; the meaning of the second, third and kind values depends on the role.
struct FieldValues {
    QString name;
    QString value2; // size, or rows
    QString value3; // maximum length, or columns
    QString kind;   // input type or wrap mode; empty when none was picked
};

// "<input name=... [type=...] size=... maxlength=...>": size and maximum length are always
// written, unquoted, even when empty.
QString inputFieldMarkup(const FieldValues& values);
// "<textarea name=... rows=... cols=... [wrap=...]></textarea>".
QString textAreaMarkup(const FieldValues& values);
