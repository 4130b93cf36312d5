// Dates in the user's language: the locale for weekday and month names, and the stamp formats.
#include "core/DateNames.h"

namespace DateNames
{

QLocale namesLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::German, QLocale::Germany);
    return locale;
}

QLocale userLocale()
{
    return namesLocale(QLocale::system());
}

QString longStamp(const QDateTime& when, const QLocale& locale)
{
    return locale.toString(when, QStringLiteral("dddd, dd MMMM yyyy, 'um' HH:mm"));
}

} // namespace DateNames
