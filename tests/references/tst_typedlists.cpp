// Tests of the reference dialogs' editable lists through the real dialogs: a typed text is written
// as typed, a typed text equal to an entry is no pick, and a pick from the open list refills.
#include "generators/DocumentFixture.h"
#include "references/ColorSchemes.h"
#include "references/LinkDialog.h"
#include "references/ReferenceFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

class TestTypedLists : public QObject
{
    Q_OBJECT
private slots:
    void typedTextIsWritten_data();
    void typedTextIsWritten();
    void pickWithTheMouseRefills();
};

namespace
{

// "Section{Name=value;...}" pairs into the store; "Scheme{name}" stores a red colour scheme.
void storeStates(const QStringList& states)
{
    for (const QString& state : states) {
        const qsizetype brace = state.indexOf(u'{');
        if (state.startsWith(u"Scheme{")) {
            const QString name = state.mid(brace + 1).chopped(1);
            SchemaStore::write(name, {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF});
            SchemaStore::addName(name);
            continue;
        }
        writeState(state.left(brace), state.mid(brace + 1).chopped(1));
    }
}

// The next reference dialog: line edits filled from "name=text" pairs (a name alone clicks that
// button), then text typed into the emptied list and the field left with Tab, as a user does,
// then OK.
void fillAndConfirm(TDialog* dialog, const QStringList& fields, const QString& list,
                    const QString& typed)
{
    for (const QString& pair : fields) {
        if (!pair.contains(u'=')) {
            dialog->findChild<QAbstractButton*>(pair)->click();
            continue;
        }
        auto* edit = dialog->findChild<QLineEdit*>(pair.section(u'=', 0, 0));
        QVERIFY2(edit, qPrintable(pair));
        edit->setText(pair.section(u'=', 1));
    }
    auto* box = dialog->findChild<QComboBox*>(list);
    QVERIFY2(box, qPrintable(list));
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), typed);
    QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
}

void typeIntoList(const QStringList& fields, const QString& list, const QString& typed)
{
    whenModal([=](QWidget* w) {
        auto* dialog = qobject_cast<TDialog*>(w);
        if (!dialog || !dialog->isActiveWindow())
            return false;
        fillAndConfirm(dialog, fields, list, typed);
        dialog->okButton()->click();
        return true;
    });
}

} // namespace

void TestTypedLists::typedTextIsWritten_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    // The start of an entry stays as typed; it is not completed to the entry.
    QTest::newRow("frameset size")
        << u"Frameset1"_s << QStringList{} << QStringList{} << u"ComboBox1"_s << u"50"_s
        << u"<frameset rows=\"50,\">Inhalt</frameset>"_s;
    QTest::newRow("base target") << u"Base1"_s << QStringList{u"Target{Count=0;T0=inhalt}"_s}
                                 << QStringList{} << u"TargetComboBox"_s << u"in"_s
                                 << u"Inhalt<base target=\"in\">"_s;
    QTest::newRow("frame source") << u"Frame1"_s << QStringList{u"Link{Count=0;Datei0=a.htm}"_s}
                                  << QStringList{} << u"LinkComboBox"_s << u"a"_s
                                  << u"Inhalt<frame src=\"a\">"_s;
    QTest::newRow("background image")
        << u"Hintergrundbild2"_s << QStringList{u"BackPicture{Count=0;Bild0=bg_blau.gif}"_s}
        << QStringList{} << u"BildComboBox"_s << u"bg"_s << u"Inhalt<body background=\"bg\">"_s;
    QTest::newRow("link protocol")
        << u"VerweiszuanderenDateien1"_s << QStringList{} << QStringList{u"RadioButton2"_s}
        << u"NeoComboBox1"_s << u"ht"_s << u"<a href=\"htwww..com\">Inhalt</a>"_s;

    // A typed text equal to an entry is no pick: the other inputs keep what the user gave them.
    const QString link = u"Link{Count=0;Datei0=a.htm;Pfad0=/alt/;Prot0=ftp://;Server0=s.;"
                         "Typ0=.de;Anker0=altanker;Target0=haupt;Link0=1}"_s;
    QTest::newRow("link history entry typed")
        << u"VerweiszuanderenDateien1"_s << QStringList{link}
        << QStringList{u"Edit2=oben"_s, u"Edit5=neu/"_s} << u"LinkComboBox"_s << u"a.htm"_s
        << u"<a href=\"neu/a.htm#oben\">Inhalt</a>"_s;
    QTest::newRow("image history entry typed")
        << u"Inlineimage1"_s
        << QStringList{u"InlineImage{Count=0;Bild0=b.gif;Pfad0=/alt/;Alt0=Alt;Border0=3;"
                       "width0=9;Link0=0}"_s}
        << QStringList{u"Edit2=neu/"_s} << u"BildComboBox"_s << u"b.gif"_s
        << u"Inhalt<img src=\"neu/b.gif\" border=0>"_s;
    QTest::newRow("frame link entry typed")
        << u"Frame1"_s << QStringList{link} << QStringList{u"Edit5=neu/"_s} << u"LinkComboBox"_s
        << u"a.htm"_s << u"Inhalt<frame src=\"neu/a.htm\">"_s;
    QTest::newRow("background image entry typed")
        << u"Hintergrundbild2"_s
        << QStringList{u"BackPicture{Count=0;Bild0=bg.gif;Pfad0=/alt/;Prop0=1;Link0=1}"_s}
        << QStringList{} << u"BildComboBox"_s << u"bg.gif"_s
        << u"Inhalt<body background=\"bg.gif\">"_s;
    QTest::newRow("scheme name typed")
        << u"Hintergrundbild2"_s << QStringList{u"Scheme{Alt}"_s, u"Scheme{Nacht}"_s}
        << QStringList{} << u"CBoxSchema"_s << u"Nacht"_s << u"Inhalt<body>"_s;
}

void TestTypedLists::typedTextIsWritten()
{
    QFETCH(QString, command);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, fields);
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    DocumentFixture doc;
    storeStates(stored);
    doc.setText(u"Inhalt"_s);
    if (expected.contains(u"</"))
        doc.memo->selectAllText();
    typeIntoList(fields, list, typed);
    doc.trigger(command.toLatin1().constData());
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), expected);
}

void TestTypedLists::pickWithTheMouseRefills()
{
    DocumentFixture doc;
    writeState(u"Link"_s, u"Count=1;Datei0=a.htm;Pfad0=/a/;Datei1=b.htm;Pfad1=/b/;Anker1=unten;"
                          "Target1=haupt;Link1=0;Prot1=http://;Server1=www.;Typ1=.com;Bild1=;"
                          "Border1=;Align1=;Alt1=;BPfad1="_s);
    doc.setText(u"Inhalt"_s);
    doc.memo->selectAllText();
    answerDialog<TDVerweis>([](TDVerweis* d) {
        d->Edit2->setText(u"oben"_s);
        d->LinkComboBox->setFocus();
        d->LinkComboBox->showPopup();
        QAbstractItemView* view = d->LinkComboBox->view();
        QTRY_VERIFY(view->isVisible());
        // A release right after the list opened belongs to the opening click.
        QTest::qWait(QApplication::doubleClickInterval());
        const QRect entry = view->visualRect(d->LinkComboBox->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(d->Edit5->text(), u"/b/"_s);
        QCOMPARE(d->Edit2->text(), u"unten"_s);
        QVERIFY(!d->linkChanged());
    });
    doc.trigger("VerweiszuanderenDateien1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), u"<a href=\"/b/b.htm#unten\" target=\"haupt\">Inhalt</a>"_s);
}

TESSALINE_TEST_MAIN(TestTypedLists)
#include "tst_typedlists.moc"
