// Submit and reset buttons: their markup and the dialog TDButton that asks for caption and kind.
#include "generators/Dbutt.h"

QString buttonMarkup(const ButtonValues& values)
{
    return QStringLiteral("<input type=") + values.kind + QStringLiteral(" value=\"") +
           values.caption + QStringLiteral("\">");
}
