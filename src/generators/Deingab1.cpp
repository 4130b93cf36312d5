// Radio buttons and check boxes: their markup and the dialog TEingabe1 that asks for name and
// value.
#include "generators/Deingab1.h"

QString switchMarkup(SwitchKind kind, const SwitchValues& values)
{
    const QString type =
        kind == SwitchKind::Radio ? QStringLiteral("radio") : QStringLiteral("checkbox");
    return QStringLiteral("<input type=") + type + QStringLiteral(" name=\"") + values.name +
           QStringLiteral("\" value=\"") + values.value + QStringLiteral("\">");
}
