// Input fields and text areas: their markup and the dialog TEingabe that asks for both.
#include "generators/Deingabe.h"

QString inputFieldMarkup(const FieldValues& values)
{
    QString markup = QStringLiteral("<input name=\"") + values.name + QLatin1Char('"');
    if (!values.kind.isEmpty())
        markup += QStringLiteral(" type=") + values.kind;
    return markup + QStringLiteral(" size=") + values.value2 + QStringLiteral(" maxlength=") +
           values.value3 + QLatin1Char('>');
}

QString textAreaMarkup(const FieldValues& values)
{
    QString markup = QStringLiteral("<textarea name=\"") + values.name +
                     QStringLiteral("\" rows=") + values.value2 + QStringLiteral(" cols=") +
                     values.value3;
    if (!values.kind.isEmpty())
        markup += QStringLiteral(" wrap=") + values.kind;
    return markup + QStringLiteral("></textarea>");
}
