// Tests of the meta information and the base reference: markup, dialog and commands.
#include "app/HelpTopics.h"
#include "app/HelpWindow.h"
#include "core/DateNames.h"
#include "core/ShellState.h"
#include "generators/DocumentFixture.h"
#include "generators/MetaInformation.h"
#include "widgets/DialogHelp.h"

#include "widgets/InputBox.h"
#include <QScopeGuard>

using namespace Qt::StringLiterals;

class TestMetaInformation : public QObject
{
    Q_OBJECT
private slots:
    void metaBlockColumns();
    void metaBlockValues_data();
    void metaBlockValues();
    void metaBlockCommand();
    void metaLine_data();
    void metaLine();
    void metaDialog_data();
    void metaDialog();
    void helpOpensOverTheModalDialog();
    void baseReference_data();
    void baseReference();
};

void TestMetaInformation::metaBlockColumns()
{
    const QString block = metaBlockMarkup({u"Anna"_s, u"2024"_s, u"Montag"_s});
    QVERIFY(block.endsWith(u"\r\n"_s));
    const QStringList lines = block.chopped(2).split(u"\r\n"_s);
    QCOMPARE(lines.size(), 11);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(lines.at(i).indexOf(u"content="_s), 29); // column 30
    QCOMPARE(lines.at(8),
             u"<!-- Diese Seite wurde mit dem Tessaline 3.0 light 32bit erstellt! -->"_s);
    for (int i : {9, 10}) {
        QCOMPARE(lines.at(i).size(), 76);
        QVERIFY(lines.at(i).endsWith(u"-->"_s));
    }
    QVERIFY(lines.at(9).startsWith(u"<!-- Homepage: "_s));
    QVERIFY(lines.at(10).startsWith(u"<!-- E-Mail: "_s));
}

void TestMetaInformation::metaBlockValues_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("author");
    QTest::addColumn<QString>("copyright");
    QTest::addColumn<QString>("created");

    QTest::newRow("German")
        << "Anna"
        << "de_DE"
        << "<meta name=\"author\"          content=\"Anna\">"
        << "<meta http-equiv=\"Copyright\" content=\"2024 Anna\">"
        << "<meta http-equiv=\"Erstellt\"  content=\"Dienstag, 05 März 2024, um 09:07\">";
    QTest::newRow("never set") << "Default"
                               << "de_DE"
                               << "<meta name=\"author\"          content=\"Default\">"
                               << "<meta http-equiv=\"Copyright\" content=\"2024 Default\">"
                               << "";
    QTest::newRow("neutral locale speaks German")
        << "A"
        << "C"
        << ""
        << ""
        << "<meta http-equiv=\"Erstellt\"  content=\"Dienstag, 05 März 2024, um 09:07\">";
    QTest::newRow("the user's language")
        << "A"
        << "en_GB"
        << ""
        << ""
        << "<meta http-equiv=\"Erstellt\"  content=\"Tuesday, 05 March 2024, um 09:07\">";
    QTest::newRow("another language")
        << "A"
        << "fr_FR"
        << ""
        << ""
        << "<meta http-equiv=\"Erstellt\"  content=\"mardi, 05 mars 2024, um 09:07\">";
}

void TestMetaInformation::metaBlockValues()
{
    QFETCH(QString, user);
    QFETCH(QString, locale);
    QFETCH(QString, author);
    QFETCH(QString, copyright);
    QFETCH(QString, created);
    const QDateTime when(QDate(2024, 3, 5), QTime(9, 7));
    const QLocale names = DateNames::namesLocale(QLocale(locale));
    const QStringList lines =
        metaBlockMarkup(metaBlockValuesNow(user, when, names)).split(u"\r\n"_s);
    if (!author.isEmpty())
        QCOMPARE(lines.at(1), author);
    if (!copyright.isEmpty())
        QCOMPARE(lines.at(6), copyright);
    if (!created.isEmpty())
        QCOMPARE(lines.at(7), created);
    QCOMPARE(DateNames::longStamp(QDateTime(QDate(2024, 3, 5), QTime(21, 0)), names).right(5),
             u"21:00"_s);
}

void TestMetaInformation::metaBlockCommand()
{
    DocumentFixture doc;
    doc.frame->shellState().user.UserName = u"Anna"_s;
    doc.setText(u"x"_s);
    doc.trigger("MetaInformationen");
    const QString text = doc.memo->text();
    QVERIFY(text.startsWith(u"x<meta name=\"GENERATOR\"       content=\"Tessaline 3.0r7a32 light\">"
                            "\r\n"_s));
    QVERIFY(text.contains(u"content=\"Anna\">\r\n"_s));
    QVERIFY(text.contains(u" content=\""_s + QString::number(QDate::currentDate().year()) +
                          u" Anna\">"_s));
    QVERIFY(text.endsWith(u"-->\r\n"_s));
    QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
    QCOMPARE(text.count(u"\r\n"_s), 11);
}

void TestMetaInformation::metaLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("httpEquiv");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name and content") << "keywords"
                                      << "HTML, Editor"
                                      << ""
                                      << "<meta name=\"keywords\" content=\"HTML, Editor\">";
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "<meta name=\"\" content=\"\">";
    QTest::newRow("http-equiv replaces the name") << "egal"
                                                  << ""
                                                  << "refresh"
                                                  << "<meta http-equiv=\"refresh\" content=\"\">";
    const QString longValue(300, u'v');
    QTest::newRow("long values keep their closing quotes")
        << longValue << longValue << ""
        << u"<meta name=\""_s + longValue + u"\" content=\""_s + longValue + u"\">"_s;
}

void TestMetaInformation::metaLine()
{
    QFETCH(QString, name);
    QFETCH(QString, content);
    QFETCH(QString, httpEquiv);
    QFETCH(QString, expected);
    QCOMPARE(metaLineMarkup({name, content, httpEquiv}), expected);
}

void TestMetaInformation::metaDialog_data()
{
    QTest::addColumn<QString>("button"); // BitBtn1 OK, BitBtn2 Abbruch, "Return", "Escape"
    QTest::addColumn<QString>("expected");
    const QString line = u"vor<meta http-equiv=\"expires\" content=\"0\">"_s;
    QTest::newRow("OK") << "BitBtn1" << line;
    QTest::newRow("Return") << "Return" << line;
    QTest::newRow("Abbruch") << "BitBtn2"
                             << "vor";
    QTest::newRow("Escape") << "Escape"
                            << "vor";
}

void TestMetaInformation::metaDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(u"vor"_s);
    QList<int> topics;
    const HelpOpener programs = setHelpOpener([&](QWidget*, int topic) { topics.append(topic); });
    auto restore = qScopeGuard([&] { setHelpOpener(programs); });
    QString caption, tip;
    bool mnemonics = false;
    answerDialog<TDMetaInformationen>(
        [&](TDMetaInformationen* dialog) {
            caption = dialog->windowTitle();
            tip = dialog->Edit3->toolTip();
            QTest::keyClick(dialog->Edit1, Qt::Key_I, Qt::AltModifier);
            mnemonics = dialog->Edit2->hasFocus();
            QTest::keyClick(dialog->Edit1, Qt::Key_N, Qt::AltModifier);
            mnemonics = mnemonics && dialog->Edit1->hasFocus();
            QTest::keyClicks(dialog->Edit1, u"name"_s);
            QTest::keyClicks(dialog->Edit2, u"0"_s);
            QTest::keyClicks(dialog->Edit3, u"expires"_s);
            QTest::keyClick(dialog->Edit3, Qt::Key_F1);
            if (button == u"Return")
                QTest::keyClick(dialog->Edit3, Qt::Key_Return);
            else if (button == u"Escape")
                QTest::keyClick(dialog->Edit3, Qt::Key_Escape);
            else
                dialog->findChild<QPushButton*>(button)->click();
        },
        QString());
    doc.trigger("MetaInformationen1");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, u"Meta Information"_s);
    QCOMPARE(tip, u"Dien zur Steuerung des Browsers"_s);
    QVERIFY(mnemonics);
    QCOMPARE(topics, QList<int>{330});
    QCOMPARE(doc.memo->text(), expected);
}

void TestMetaInformation::helpOpensOverTheModalDialog()
{
    // The program's own help opener: a window that belongs to the modal dialog is not blocked
    // by it.
    DocumentFixture doc;
    QUrl shown;
    bool usable = false;
    answerDialog<TDMetaInformationen>(
        [&](TDMetaInformationen* dialog) {
            dialog->helpButton()->click();
            auto* help = dialog->findChild<THelpWindow*>();
            if (help) {
                shown = help->browser()->source();
                usable = help->isVisible() && help->parentWidget() == dialog;
            }
            dialog->reject();
        },
        QString());
    doc.trigger("MetaInformationen1");
    QVERIFY(waitNoModal());
    QVERIFY(usable);
    QCOMPARE(shown, helpTopicUrl(330));
}

void TestMetaInformation::baseReference_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");
    QTest::newRow("URL") << "http://www.example.de/"
                         << "OKButton"
                         << "vor<base href=\"http://www.example.de/\">";
    QTest::newRow("empty answer writes nothing") << ""
                                                 << "OKButton"
                                                 << "vor";
    QTest::newRow("Abbrechen writes nothing") << "http://x/"
                                              << "CancelButton"
                                              << "vor";
}

void TestMetaInformation::baseReference()
{
    QFETCH(QString, answer);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture doc;
    doc.setText(u"vor"_s);
    QString caption, prompt;
    answerDialog<TInputBox>(
        [&](TInputBox* box) {
            caption = box->windowTitle();
            prompt = box->promptLabel()->text();
            box->field()->setText(answer);
        },
        button);
    doc.trigger("Basereferenz1");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, u"Basereferenz"_s);
    QCOMPARE(prompt, u"Geben Sie hier die URL an."_s);
    QCOMPARE(doc.memo->text(), expected);
}

TESSALINE_TEST_MAIN(TestMetaInformation)
#include "tst_metainformation.moc"
