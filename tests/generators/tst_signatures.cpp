// Tests of the signature blocks, time stamps, anchors and e-mail links.
#include "core/DateNames.h"
#include "generators/DocumentFixture.h"
#include "generators/Signatures.h"
#include "widgets/InputBox.h"

#include <QScopeGuard>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(UserData)

namespace
{

const QDateTime MondayMorning(QDate(2026, 12, 7), QTime(9, 5));

UserData defaultUser()
{
    const QString d = u"Default"_s;
    return {d, d, d, d, d, d, d, d, d, d};
}

UserData sampleUser()
{
    return {u"Anna Berg"_s,    u"Berg GmbH"_s,      u"Hauptstraße 1"_s, u"12345 Neustadt"_s,
            u"Deutschland"_s,  u"0123 456"_s,       u"0123 457"_s,      u"anna@berg.de"_s,
            u"info@berg.de"_s, u"http://berg.de/"_s};
}

} // namespace

class TestSignatures : public QObject
{
    Q_OBJECT
private slots:
    void stampPatterns_data();
    void stampPatterns();
    void stamps_data();
    void stamps();
    void stampCommands_data();
    void stampCommands();
    void userLinks_data();
    void userLinks();
    void addressBlocks();
    void emptyUserDataLeavesEmptyPlaces();
    void askingCommands_data();
    void askingCommands();
};

void TestSignatures::stampPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("quoted text stands as it is") << "\"dd hh\" dd"
                                                 << "dd hh 07";
    QTest::newRow("minutes only after the hour") << "hh:mm"
                                                 << "09:05";
    QTest::newRow("unclosed quote runs to the end") << "yyyy \"um hh"
                                                    << "2026 um hh";
    QTest::newRow("other characters") << "dd.-/yyyy"
                                      << "07.-/2026";
    QTest::newRow("empty") << ""
                           << "";
}

void TestSignatures::stampPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(formatStamp(pattern, MondayMorning, QLocale(QLocale::German)), expected);
}

void TestSignatures::stamps_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("footerLine");
    QTest::newRow("German")
        << "de_DE"
        << "Montag, 07 Dezember 2026"
        << "Montag, 07 Dezember 2026, 09:05"
        << "Letztes Updated am Montag, 07 Dezember 2026, um 09:05 Uhr</i></font>";
    QTest::newRow("neutral locale speaks German")
        << "C"
        << "Montag, 07 Dezember 2026"
        << "Montag, 07 Dezember 2026, 09:05"
        << "Letztes Updated am Montag, 07 Dezember 2026, um 09:05 Uhr</i></font>";
    QTest::newRow("the user's language")
        << "en_GB"
        << "Monday, 07 December 2026"
        << "Monday, 07 December 2026, 09:05"
        << "Letztes Updated am Monday, 07 December 2026, um 09:05 Uhr</i></font>";
}

void TestSignatures::stamps()
{
    QFETCH(QString, locale);
    QFETCH(QString, date);
    QFETCH(QString, dateTime);
    QFETCH(QString, footerLine);
    const QLocale names = DateNames::namesLocale(QLocale(locale));
    QCOMPARE(dateStamp(MondayMorning, names), date);
    QCOMPARE(dateTimeStamp(MondayMorning, names), dateTime);
    QCOMPARE(timeStamp(MondayMorning, names), u"09:05"_s);
    // Hours run to 23, without AM or PM.
    QCOMPARE(timeStamp(QDateTime(QDate(2026, 12, 7), QTime(21, 40)), names), u"21:40"_s);
    const QStringList footer = updateFooterMarkup(u"Anna"_s, MondayMorning, names).split(u"\r\n"_s);
    QCOMPARE(footer, (QStringList{u"<font size=\"-1\"><i>&copy; by Anna<br>"_s, footerLine, {}}));
}

void TestSignatures::stampCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("date") << "Datum1"
                          << "vor Montag, 07 Dezember 2026";
    QTest::newRow("time") << "Uhrzeit1"
                          << "vor 09:05";
    QTest::newRow("date and time") << "DatumundUhrzeit1"
                                   << "vor Montag, 07 Dezember 2026, 09:05";
    QTest::newRow("update footer")
        << "ErstellungsDatumeinfgen1"
        << "vor <font size=\"-1\"><i>&copy; by Anna Berg<br>\r\n"
           "Letztes Updated am Montag, 07 Dezember 2026, um 09:05 Uhr</i></font>\r\n";
}

void TestSignatures::stampCommands()
{
    QFETCH(QString, item);
    QFETCH(QString, expected);
    const StampSource clock = setStampSource(
        {[] { return MondayMorning; }, [] { return QLocale(QLocale::German, QLocale::Germany); }});
    auto restore = qScopeGuard([&] { setStampSource(clock); });
    DocumentFixture doc;
    doc.frame->shellState().user = sampleUser();
    doc.setText(u"vor weg"_s);
    doc.memo->setSelStart(4);
    doc.memo->setSelLength(3); // the stamp replaces the selection
    doc.trigger(item.toLatin1().constData());
    QCOMPARE(doc.memo->text(), expected);
    QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
}

void TestSignatures::userLinks_data()
{
    QTest::addColumn<UserData>("user");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults") << defaultUser() << "EMailAdresseeinfgen1"
                              << "E-Mail an: <a href=\"mailTo:Default\">Default</a>";
    QTest::newRow("personal mail") << sampleUser() << "EMailAdresseeinfgen1"
                                   << "E-Mail an: <a href=\"mailTo:anna@berg.de\">Anna Berg</a>";
    QTest::newRow("company mail") << sampleUser() << "EMailanNameeinfgen1"
                                  << "E-Mail an: <a href=\"mailTo:info@berg.de\">Berg GmbH</a>";
    QTest::newRow("homepage") << sampleUser() << "VerweiszureigenenHomepageeinfgen1"
                              << "Zur Homepage von <a href=\"http://berg.de/\">Anna Berg</a>";
}

void TestSignatures::userLinks()
{
    QFETCH(UserData, user);
    QFETCH(QString, item);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.frame->shellState().user = user;
    doc.trigger(item.toLatin1().constData());
    QCOMPARE(doc.memo->text(), expected);
}

void TestSignatures::addressBlocks()
{
    const QStringList personal = personalAddressMarkup(sampleUser()).split(u"\r\n"_s);
    QCOMPARE(personal.size(), 13 + 1);
    QVERIFY(personal.last().isEmpty());
    QCOMPARE(personal.at(2), u"<font color=\"#C00000\"><b>Anna Berg</b></font><br>"_s);
    QCOMPARE(personal.at(5), u"<b>Deutschland</b><br>"_s);
    QCOMPARE(personal.at(9), u"<br>"_s);
    QCOMPARE(personal.at(10),
             u"<b>E-Mail: <a href=\"mailTo:anna@berg.de\">anna@berg.de</a></b><br>"_s);
    QCOMPARE(personal.at(12), u"<hr>"_s);

    const QStringList company = companyAddressMarkup(sampleUser()).split(u"\r\n"_s);
    QCOMPARE(company.size(), 12 + 1);
    QCOMPARE(company.at(2), u"<b>Firma <font color=#C00000>Berg GmbH</font></b><br>"_s);
    QCOMPARE(company.at(8), u"Fax: 0123 457<br>"_s);
    // No empty line before the mail line, unlike the personal block.
    QCOMPARE(company.at(9),
             u"<b>E-Mail: <a href=\"mailTo:info@berg.de\">info@berg.de</a></b><br>"_s);

    DocumentFixture doc;
    doc.frame->shellState().user = sampleUser();
    doc.trigger("Adresseeinfgen1");
    doc.trigger("AdresseeinfgenFirma1");
    QCOMPARE(doc.memo->text(),
             personalAddressMarkup(sampleUser()) + companyAddressMarkup(sampleUser()));
    QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
}

void TestSignatures::emptyUserDataLeavesEmptyPlaces()
{
    const QString block = personalAddressMarkup(UserData{});
    QVERIFY(block.contains(u"\r\nTel: <br>\r\n"_s));
    QVERIFY(block.contains(u"<a href=\"mailTo:\"></a>"_s));
    QCOMPARE(mailToFirmMarkup(UserData{}), u"E-Mail an: <a href=\"mailTo:\"></a>"_s);
}

void TestSignatures::askingCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("selected"); // characters of "Kapitel" selected
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    QTest::newRow("anchor around the selection") << "SetAnker" << 7 << "k1"
                                                 << "OKButton"
                                                 << "Anker Setzen"
                                                 << "<a name=\"k1\">Kapitel</a>";
    QTest::newRow("anchor link without selection") << "GoAnker" << 0 << "k1"
                                                   << "OKButton"
                                                   << "Verweis zu einem Anker"
                                                   << "Kapitel<a href=\"#k1\"></a>";
    QTest::newRow("anchor with empty answer") << "SetAnker" << 7 << ""
                                              << "OKButton"
                                              << "Anker Setzen"
                                              << "Kapitel";
    QTest::newRow("anchor link cancelled") << "GoAnker" << 7 << "k1"
                                           << "CancelButton"
                                           << "Verweis zu einem Anker"
                                           << "Kapitel";
    QTest::newRow("mail around the selection") << "EMailAdresse1" << 7 << "info@x.de"
                                               << "OKButton"
                                               << "Mailadresse"
                                               << "<a href=\"mailTo:info@x.de\">Kapitel</a>";
    QTest::newRow("mail with the stored address") << "EMailAdresse1" << 7 << "<default>"
                                                  << "OKButton"
                                                  << "Mailadresse"
                                                  << "<a href=\"mailTo:anna@berg.de\">Kapitel</a>";
    // Cancelling writes nothing, though the box answers with the stored address.
    QTest::newRow("mail cancelled") << "EMailAdresse1" << 7 << "<default>"
                                    << "CancelButton"
                                    << "Mailadresse"
                                    << "Kapitel";
}

void TestSignatures::askingCommands()
{
    QFETCH(QString, item);
    QFETCH(int, selected);
    QFETCH(QString, answer);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.frame->shellState().user = sampleUser();
    doc.setText(u"Kapitel"_s);
    doc.memo->setSelStart(7 - selected);
    doc.memo->setSelLength(selected);
    QString shownCaption, prompt, offered;
    answerDialog<TInputBox>(
        [&](TInputBox* box) {
            shownCaption = box->windowTitle();
            prompt = box->promptLabel()->text();
            offered = box->field()->text();
            if (answer != u"<default>")
                box->field()->setText(answer);
        },
        button);
    doc.trigger(item.toLatin1().constData());
    QVERIFY(waitNoModal());
    QCOMPARE(shownCaption, caption);
    QCOMPARE(offered, item == u"EMailAdresse1" ? u"anna@berg.de"_s : QString());
    QCOMPARE(prompt, item == u"EMailAdresse1" ? u"Geben Sie hier eine Mail Adresse ein."_s
                                              : u"Geben Sie hier den Namen des Ankers ein."_s);
    QCOMPARE(doc.memo->text(), expected);
}

TESSALINE_TEST_MAIN(TestSignatures)
#include "tst_signatures.moc"
