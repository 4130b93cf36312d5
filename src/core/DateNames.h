// Dates in the user's language: the locale for weekday and month names, and the stamp formats.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace DateNames
{

// The user's locale; the neutral "C" locale gives way to German, the program's own language.
QLocale userLocale();
// locale, or German when locale is the neutral "C" locale.
QLocale namesLocale(const QLocale& locale);

// "dddd, dd mmmm yyyy, \"um\" hh:mm": full weekday name, two-digit day, full month name,
// four-digit year, the word um, 24-hour time with leading zeros.
QString longStamp(const QDateTime& when, const QLocale& locale);

} // namespace DateNames
