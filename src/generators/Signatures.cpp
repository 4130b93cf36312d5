// Signature blocks and time stamps: date and time stamps, the update footer, links from the user
// data, the two address blocks, anchors and the e-mail link around the selection.
#include "generators/Signatures.h"

#include "core/DateNames.h"
#include "editor/DialogEnvironment.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "widgets/InputBox.h"

namespace
{

const QString CrLf = QStringLiteral("\r\n");

StampSource& stampSource()
{
    static StampSource source{[] { return QDateTime::currentDateTime(); },
                              [] { return DateNames::userLocale(); }};
    return source;
}

QString lines(std::initializer_list<QString> parts)
{
    QString block;
    for (const QString& part : parts)
        block += part + CrLf;
    return block;
}

void insertStamp(TMDIChild& child, QString (*stamp)(const QDateTime&, const QLocale&))
{
    const StampSource& source = stampSource();
    child.Insert(stamp(source.now(), source.locale()));
}

// Reads the selection before the box hides it; an empty answer (cancel included) changes nothing.
void askAndWrap(TMDIChild& child, const QString& caption, const QString& prompt,
                const QString& defaultText,
                QString (*markup)(const QString& answer, const QString& selection))
{
    const QString selection = child.TextMemo->selText();
    const InputAnswer answer = inputBox(&child, caption, prompt, defaultText);
    if (!answer.accepted || answer.text.isEmpty())
        return;
    child.Insert(markup(answer.text, selection));
}

} // namespace

QString formatStamp(const QString& pattern, const QDateTime& when, const QLocale& locale)
{
    static const struct {
        QLatin1StringView token;
        const char* format;
    } tokens[] = {
        {QLatin1StringView("dddd"), "dddd"}, {QLatin1StringView("mmmm"), "MMMM"},
        {QLatin1StringView("yyyy"), "yyyy"}, {QLatin1StringView("dd"), "dd"},
        {QLatin1StringView("hh"), "HH"},
    };
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        if (pattern.at(i) == u'"') {
            const qsizetype end = pattern.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        bool matched = false;
        for (const auto& t : tokens) {
            if (QStringView(pattern).mid(i).startsWith(t.token)) {
                out += locale.toString(when, QString::fromLatin1(t.format));
                afterHour = t.token == QLatin1StringView("hh");
                i += t.token.size();
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        if (afterHour && QStringView(pattern).mid(i).startsWith(u"mm")) {
            out += locale.toString(when, QStringLiteral("mm"));
            i += 2;
            continue;
        }
        out += pattern.at(i++);
    }
    return out;
}

QString dateStamp(const QDateTime& when, const QLocale& locale)
{
    return formatStamp(QStringLiteral("dddd, dd mmmm yyyy"), when, locale);
}

QString timeStamp(const QDateTime& when, const QLocale& locale)
{
    return formatStamp(QStringLiteral("hh:mm"), when, locale);
}

QString dateTimeStamp(const QDateTime& when, const QLocale& locale)
{
    return formatStamp(QStringLiteral("dddd, dd mmmm yyyy, hh:mm"), when, locale);
}

QString updateFooterMarkup(const QString& userName, const QDateTime& when, const QLocale& locale)
{
    return lines(
        {QStringLiteral("<font size=\"-1\"><i>&copy; by ") + userName + QStringLiteral("<br>"),
         QStringLiteral("Letztes Updated am ") +
             formatStamp(QStringLiteral("dddd, dd mmmm yyyy, \"um\" hh:mm"), when, locale) +
             QStringLiteral(" Uhr</i></font>")});
}

QString mailToNameMarkup(const UserData& user)
{
    return QStringLiteral("E-Mail an: <a href=\"mailTo:") + user.UserEMail + QStringLiteral("\">") +
           user.UserName + QStringLiteral("</a>");
}

QString mailToFirmMarkup(const UserData& user)
{
    return QStringLiteral("E-Mail an: <a href=\"mailTo:") + user.UserEMail1 +
           QStringLiteral("\">") + user.UserFirma + QStringLiteral("</a>");
}

QString homepageLinkMarkup(const UserData& user)
{
    return QStringLiteral("Zur Homepage von <a href=\"") + user.UserHomepage +
           QStringLiteral("\">") + user.UserName + QStringLiteral("</a>");
}

// Street, place, state, telephone and fax: the middle of both address blocks, without the line
// break after the last line (the block around it adds that).
static QString contactLines(const UserData& user)
{
    QString middle = lines({
        user.UserStreet + QStringLiteral("<br>"),
        user.UserZip + QStringLiteral("<br>"),
        QStringLiteral("<b>") + user.UserState + QStringLiteral("</b><br>"),
        QStringLiteral("<br>"),
        QStringLiteral("Tel: ") + user.UserTel + QStringLiteral("<br>"),
        QStringLiteral("Fax: ") + user.UserFax + QStringLiteral("<br>"),
    });
    middle.chop(2);
    return middle;
}

QString personalAddressMarkup(const UserData& user)
{
    return lines({
        QStringLiteral("<hr>"),
        QStringLiteral("<p align=\"center\">"),
        QStringLiteral("<font color=\"#C00000\"><b>") + user.UserName +
            QStringLiteral("</b></font><br>"),
        contactLines(user),
        QStringLiteral("<br>"),
        QStringLiteral("<b>E-Mail: <a href=\"mailTo:") + user.UserEMail + QStringLiteral("\">") +
            user.UserEMail + QStringLiteral("</a></b><br>"),
        QStringLiteral("</p>"),
        QStringLiteral("<hr>"),
    });
}

QString companyAddressMarkup(const UserData& user)
{
    return lines({
        QStringLiteral("<hr>"),
        QStringLiteral("<p align=\"center\">"),
        QStringLiteral("<b>Firma <font color=#C00000>") + user.UserFirma +
            QStringLiteral("</font></b><br>"),
        contactLines(user),
        QStringLiteral("<b>E-Mail: <a href=\"mailTo:") + user.UserEMail1 + QStringLiteral("\">") +
            user.UserEMail1 + QStringLiteral("</a></b><br>"),
        QStringLiteral("</p>"),
        QStringLiteral("<hr>"),
    });
}

QString anchorMarkup(const QString& name, const QString& selection)
{
    return QStringLiteral("<a name=\"") + name + QStringLiteral("\">") + selection +
           QStringLiteral("</a>");
}

QString anchorLinkMarkup(const QString& name, const QString& selection)
{
    return QStringLiteral("<a href=\"#") + name + QStringLiteral("\">") + selection +
           QStringLiteral("</a>");
}

QString mailLinkMarkup(const QString& address, const QString& selection)
{
    return QStringLiteral("<a href=\"mailTo:") + address + QStringLiteral("\">") + selection +
           QStringLiteral("</a>");
}

StampSource setStampSource(StampSource source)
{
    StampSource previous = stampSource();
    stampSource() = std::move(source);
    return previous;
}

void Datum1Click(TMDIChild& child)
{
    insertStamp(child, &dateStamp);
}

void Uhrzeit1Click(TMDIChild& child)
{
    insertStamp(child, &timeStamp);
}

void DatumundUhrzeit1Click(TMDIChild& child)
{
    insertStamp(child, &dateTimeStamp);
}

void ErstellungsDatumeinfgen1Click(TMDIChild& child)
{
    const StampSource& source = stampSource();
    child.Insert(
        updateFooterMarkup(shellStateOf(child).user.UserName, source.now(), source.locale()));
}

void EMailAdresseeinfgen1Click(TMDIChild& child)
{
    child.Insert(mailToNameMarkup(shellStateOf(child).user));
}

void EMailanNameeinfgen1Click(TMDIChild& child)
{
    child.Insert(mailToFirmMarkup(shellStateOf(child).user));
}

void VerweiszureigenenHomepageeinfgen1Click(TMDIChild& child)
{
    child.Insert(homepageLinkMarkup(shellStateOf(child).user));
}

void Adresseeinfgen1Click(TMDIChild& child)
{
    child.Insert(personalAddressMarkup(shellStateOf(child).user));
}

void AdresseeinfgenFirma1Click(TMDIChild& child)
{
    child.Insert(companyAddressMarkup(shellStateOf(child).user));
}

void SetAnkerClick(TMDIChild& child)
{
    askAndWrap(child, QStringLiteral("Anker Setzen"),
               QStringLiteral("Geben Sie hier den Namen des Ankers ein."), QString(),
               &anchorMarkup);
}

void GoAnkerClick(TMDIChild& child)
{
    askAndWrap(child, QStringLiteral("Verweis zu einem Anker"),
               QStringLiteral("Geben Sie hier den Namen des Ankers ein."), QString(),
               &anchorLinkMarkup);
}

void EMailAdresse1Click(TMDIChild& child)
{
    askAndWrap(child, QStringLiteral("Mailadresse"),
               QStringLiteral("Geben Sie hier eine Mail Adresse ein."),
               shellStateOf(child).user.UserEMail, &mailLinkMarkup);
}

namespace
{

const DocumentCommand commands[] = {
    {"Datum1Click", &Datum1Click},
    {"Uhrzeit1Click", &Uhrzeit1Click},
    {"DatumundUhrzeit1Click", &DatumundUhrzeit1Click},
    {"ErstellungsDatumeinfgen1Click", &ErstellungsDatumeinfgen1Click},
    {"EMailAdresseeinfgen1Click", &EMailAdresseeinfgen1Click},
    {"EMailanNameeinfgen1Click", &EMailanNameeinfgen1Click},
    {"VerweiszureigenenHomepageeinfgen1Click", &VerweiszureigenenHomepageeinfgen1Click},
    {"Adresseeinfgen1Click", &Adresseeinfgen1Click},
    {"AdresseeinfgenFirma1Click", &AdresseeinfgenFirma1Click},
    {"SetAnkerClick", &SetAnkerClick},
    {"GoAnkerClick", &GoAnkerClick},
    {"EMailAdresse1Click", &EMailAdresse1Click},
};

} // namespace

std::span<const DocumentCommand> signaturCommands()
{
    return commands;
}
