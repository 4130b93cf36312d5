// Radio buttons and check boxes: their markup and the dialog TEingabe1 that asks for name and
// value.
#pragma once

#include <QString>

enum class SwitchKind { Radio, Checkbox };

struct SwitchValues {
    QString name;
    QString value;
};

// "<input type=radio name=\"...\" value=\"...\">", or type=checkbox.
QString switchMarkup(SwitchKind kind, const SwitchValues& values);
