// Signature blocks and time stamps: date and time stamps, the update footer, links from the user
// data, the two address blocks, anchors and the e-mail link around the selection.
#pragma once

#include "core/ShellState.h"
#include "editor/DocumentCommands.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>
#include <span>

class TMDIChild;

// Applies a stamp pattern: "dddd" weekday, "dd" day, "mmmm" month name, "yyyy" year, "hh" hour
// 00 to 23, "mm" after "hh" minutes, text in double quotes as it stands; anything else is copied.
QString formatStamp(const QString& pattern, const QDateTime& when, const QLocale& locale);
// Stamps: weekday and month names in the given locale's language.
QString dateStamp(const QDateTime& when, const QLocale& locale);     // "dddd, dd mmmm yyyy"
QString timeStamp(const QDateTime& when, const QLocale& locale);     // "hh:mm"
QString dateTimeStamp(const QDateTime& when, const QLocale& locale); // both, comma between
// Two lines, each with CR LF: the copyright line and "Letztes Updated am " + long stamp + " Uhr".
QString updateFooterMarkup(const QString& userName, const QDateTime& when, const QLocale& locale);

// Links from the user data, without a line break at the end.
QString mailToNameMarkup(const UserData& user);
QString mailToFirmMarkup(const UserData& user);
QString homepageLinkMarkup(const UserData& user);

// The centred address blocks: 13 lines for the person, 12 for the company, each with CR LF.
QString personalAddressMarkup(const UserData& user);
QString companyAddressMarkup(const UserData& user);

// Links around the selection with an answered value.
QString anchorMarkup(const QString& name, const QString& selection);
QString anchorLinkMarkup(const QString& name, const QString& selection);
QString mailLinkMarkup(const QString& address, const QString& selection);

// Where the stamps take the time and the language from: the clock and the user's locale, unless
// a test puts in its own. Returns the source it replaces.
struct StampSource {
    std::function<QDateTime()> now;
    std::function<QLocale()> locale;
};
StampSource setStampSource(StampSource source);

void Datum1Click(TMDIChild& child);
void Uhrzeit1Click(TMDIChild& child);
void DatumundUhrzeit1Click(TMDIChild& child);
void ErstellungsDatumeinfgen1Click(TMDIChild& child);
void EMailAdresseeinfgen1Click(TMDIChild& child);
void EMailanNameeinfgen1Click(TMDIChild& child);
void VerweiszureigenenHomepageeinfgen1Click(TMDIChild& child);
void Adresseeinfgen1Click(TMDIChild& child);
void AdresseeinfgenFirma1Click(TMDIChild& child);
// Ask for one value; an empty answer or cancel inserts nothing.
void SetAnkerClick(TMDIChild& child);
void GoAnkerClick(TMDIChild& child);
void EMailAdresse1Click(TMDIChild& child);

std::span<const DocumentCommand> signaturCommands();
