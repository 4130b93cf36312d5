// Tests of the form markup: the form frame, input fields, text areas, switches and buttons.
#include "generators/FormButtonDialog.h"
#include "generators/FormFieldDialog.h"
#include "generators/FormFrameDialog.h"
#include "generators/FormSwitchDialog.h"

#include <QTest>

class TstFormMarkup : public QObject
{
    Q_OBJECT
private slots:
    void formFrame_data();
    void formFrame();
    void fields_data();
    void fields();
    void switchesAndButtons_data();
    void switchesAndButtons();
    void longValuesKeepTheirClosingMarkup();
};

void TstFormMarkup::formFrame_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("markup");
    QTest::newRow("start values, nothing selected")
        << "http:/"
        << "post"
        << ""
        << "<form action=\"http:/\" method=\"post\">\r\n\r\n</form>";
    QTest::newRow("empty action around a selection")
        << ""
        << "get"
        << "abc"
        << "<form action=\"\" method=\"get\">\r\nabc\r\n</form>";
    QTest::newRow("mail address, many lines")
        << "mailto:a@b.de"
        << "post"
        << "x\r\ny"
        << "<form action=\"mailto:a@b.de\" method=\"post\">\r\nx\r\ny\r\n</form>";
}

void TstFormMarkup::formFrame()
{
    QFETCH(QString, action);
    QFETCH(QString, method);
    QFETCH(QString, selection);
    QFETCH(QString, markup);
    QCOMPARE(formFrameMarkup({action, method}, selection), markup);
}

void TstFormMarkup::fields_data()
{
    QTest::addColumn<bool>("textArea");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value2");
    QTest::addColumn<QString>("value3");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("markup");
    QTest::newRow("field without type writes empty maxlength")
        << false << "vorname"
        << "20"
        << ""
        << ""
        << "<input name=\"vorname\" size=20 maxlength=>";
    QTest::newRow("password field") << false << "pw"
                                    << "10"
                                    << "8"
                                    << "password"
                                    << "<input name=\"pw\" type=password size=10 maxlength=8>";
    QTest::newRow("field all empty") << false << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "<input name=\"\" size= maxlength=>";
    QTest::newRow("text area with wrap")
        << true << "text"
        << "5"
        << "40"
        << "virtual"
        << "<textarea name=\"text\" rows=5 cols=40 wrap=virtual></textarea>";
    QTest::newRow("text area without wrap") << true << "t"
                                            << "3"
                                            << ""
                                            << ""
                                            << "<textarea name=\"t\" rows=3 cols=></textarea>";
}

void TstFormMarkup::fields()
{
    QFETCH(bool, textArea);
    QFETCH(QString, name);
    QFETCH(QString, value2);
    QFETCH(QString, value3);
    QFETCH(QString, kind);
    QFETCH(QString, markup);
    const FieldValues values{name, value2, value3, kind};
    QCOMPARE(textArea ? textAreaMarkup(values) : inputFieldMarkup(values), markup);
}

void TstFormMarkup::switchesAndButtons_data()
{
    QTest::addColumn<int>("what"); // 0 radio, 1 check box, 2 button
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("markup");
    QTest::newRow("radio") << 0 << "farbe"
                           << "rot"
                           << "<input type=radio name=\"farbe\" value=\"rot\">";
    QTest::newRow("check box") << 1 << "agb"
                               << "ja"
                               << "<input type=checkbox name=\"agb\" value=\"ja\">";
    QTest::newRow("empty radio") << 0 << ""
                                 << ""
                                 << "<input type=radio name=\"\" value=\"\">";
    QTest::newRow("reset button") << 2 << "Senden"
                                  << "reset"
                                  << "<input type=reset value=\"Senden\">";
    QTest::newRow("submit button") << 2 << ""
                                   << "submit"
                                   << "<input type=submit value=\"\">";
}

void TstFormMarkup::switchesAndButtons()
{
    QFETCH(int, what);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, markup);
    const QString built = what == 2   ? buttonMarkup({first, second})
                          : what == 1 ? switchMarkup(SwitchKind::Checkbox, {first, second})
                                      : switchMarkup(SwitchKind::Radio, {first, second});
    QCOMPARE(built, markup);
}

void TstFormMarkup::longValuesKeepTheirClosingMarkup()
{
    const QString longName(300, QLatin1Char('n'));
    QVERIFY(inputFieldMarkup({longName, "1", "2", ""}).endsWith(QStringLiteral("maxlength=2>")));
    QVERIFY(textAreaMarkup({longName, "1", "2", ""}).endsWith(QStringLiteral("></textarea>")));
    QVERIFY(switchMarkup(SwitchKind::Radio, {longName, longName}).endsWith(longName + "\">"));
    QVERIFY(buttonMarkup({longName, "submit"}).endsWith(longName + "\">"));
    QVERIFY(formFrameMarkup({longName, "post"}, longName).endsWith(QStringLiteral("</form>")));
}

QTEST_APPLESS_MAIN(TstFormMarkup)
#include "tst_formmarkup.moc"
