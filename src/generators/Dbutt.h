// Submit and reset buttons: their markup and the dialog TDButton that asks for caption and kind.
#pragma once

#include <QString>

struct ButtonValues {
    QString caption;
    QString kind; // "submit" or "reset"
};

// "<input type=submit value=\"...\">".
QString buttonMarkup(const ButtonValues& values);
