// Tests of the page skeleton: its markup, the title dialog and the command with its controls.
#include "core/ShellState.h"
#include "generators/DocumentFixture.h"
#include "generators/PageSkeleton.h"
#include "widgets/DialogHelp.h"

#include <QScopeGuard>

#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace
{

const QString Empty = u"<html>\r\n<head>\r\n\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>"_s;
const QString Type6 = u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">"_s;

// How the title dialog is left.
enum class Leave { Ok, Return, Abbruch, Escape, Frame };

} // namespace

Q_DECLARE_METATYPE(Leave)

class TestPageSkeleton : public QObject
{
    Q_OBJECT
private slots:
    void markup_data();
    void markup();
    void throughTheDialog_data();
    void throughTheDialog();
    void umlautsInTheTitleBecomeEntities();
    void dialogLayoutAndKeys();
    void reachedFromMenuKeyAndToolbar();
};

void TestPageSkeleton::markup_data()
{
    QTest::addColumn<QString>("docType");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("around"); // the skeleton around a longer document's text
    QTest::addColumn<QString>("expected");

    QTest::newRow("block, nothing chosen") << ""
                                           << "" << false << Empty;
    QTest::newRow("block, type on the html line, title in the head")
        << Type6 << "Start" << false
        << Type6 + u"<html>\r\n<head>\r\n\r\n<title>Start</title>\r\n</head>\r\n<body>\r\n\r\n"
                   "</body>\r\n</html>"_s;
    QTest::newRow("around, no type: an empty first line")
        << ""
        << "" << true
        << u"\r\n<html>\r\n<head>\r\n\r\n</head>\r\n<body>\r\n\r\nA\r\nB\r\n</body>\r\n</html>"_s;
    QTest::newRow("around, type and title")
        << Type6 << "T" << true
        << Type6 + u"\r\n<html>\r\n<head>\r\n\r\n<title>T</title>\r\n</head>\r\n<body>\r\n\r\n"
                   "A\r\nB\r\n</body>\r\n</html>"_s;
    const QString longTitle(400, u'x');
    QTest::newRow("a long title is never cut")
        << "" << longTitle << false
        << u"<html>\r\n<head>\r\n\r\n<title>"_s + longTitle +
               u"</title>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>"_s;
}

void TestPageSkeleton::markup()
{
    QFETCH(QString, docType);
    QFETCH(QString, title);
    QFETCH(bool, around);
    QFETCH(QString, expected);
    const SkeletonValues values{docType, titleLineFor(title)};
    QCOMPARE(around ? skeletonAround(values, u"A\r\nB"_s) : skeletonBlock(values), expected);
}

void TestPageSkeleton::throughTheDialog_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("docType"); // index of the entry, -1 for none
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<QString>("after");

    QTest::newRow("empty document") << ""
                                    << "" << -1 << Leave::Ok << Empty;
    QTest::newRow("one line: appended behind it") << "abc"
                                                  << "" << -1 << Leave::Ok << u"abc"_s + Empty;
    QTest::newRow("one line with type and title")
        << ""
        << "Seite" << 5 << Leave::Return
        << Type6 + u"<html>\r\n<head>\r\n\r\n<title>Seite</title>\r\n</head>\r\n<body>\r\n\r\n"
                   "</body>\r\n</html>"_s;
    QTest::newRow("two lines: wrapped into the body")
        << "a\r\nb"
        << "" << -1 << Leave::Ok
        << u"\r\n<html>\r\n<head>\r\n\r\n</head>\r\n<body>\r\n\r\na\r\nb\r\n</body>\r\n</html>"_s;
    QTest::newRow("Abbruch") << "abc"
                             << "x" << 0 << Leave::Abbruch << "abc";
    QTest::newRow("Escape") << "abc"
                            << "x" << 0 << Leave::Escape << "abc";
    QTest::newRow("window frame") << "a\r\nb"
                                  << "x" << 0 << Leave::Frame << "a\r\nb";
}

void TestPageSkeleton::throughTheDialog()
{
    QFETCH(QString, before);
    QFETCH(QString, title);
    QFETCH(int, docType);
    QFETCH(Leave, leave);
    QFETCH(QString, after);

    DocumentFixture doc;
    doc.setText(before);
    // A flag and results left by an earlier use must not count.
    ShellState& state = doc.frame->shellState();
    state.acceptFlag = true;
    state.titleLine = u"<title>alt</title>\r\n"_s;
    answerDialog<TDTitelSeite>(
        [&](TDTitelSeite* dialog) {
            QCOMPARE(dialog->Edit1->text(), QString());
            QCOMPARE(dialog->ComboBox1->currentText(), QString());
            QTest::keyClicks(dialog->Edit1, title);
            dialog->ComboBox1->setCurrentIndex(docType);
            switch (leave) {
            case Leave::Ok:
                dialog->okButton()->click();
                break;
            case Leave::Return:
                QTest::keyClick(dialog->ComboBox1, Qt::Key_Return);
                break;
            case Leave::Abbruch:
                dialog->cancelButton()->click();
                break;
            case Leave::Escape:
                QTest::keyClick(dialog->Edit1, Qt::Key_Escape);
                break;
            case Leave::Frame:
                dialog->close();
                break;
            }
        },
        QString());
    doc.trigger("Grundgersteinfgen1");
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), after);
    if (after != before)
        QCOMPARE(doc.memo->selStart(), doc.memo->textLength());
    // The whole command is one undo step.
    doc.memo->undoLast();
    QCOMPARE(doc.memo->text(), before);
}

void TestPageSkeleton::umlautsInTheTitleBecomeEntities()
{
    DocumentFixture doc;
    answerDialog<TDTitelSeite>([](TDTitelSeite* dialog) {
        for (const QChar c : u"Übersicht"_s) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(dialog->Edit1, &press);
        }
    });
    doc.trigger("Grundgersteinfgen1");
    QVERIFY(waitNoModal());
    QVERIFY2(doc.memo->text().contains(u"<title>&Uuml;bersicht</title>\r\n"_s),
             qPrintable(doc.memo->text()));
}

void TestPageSkeleton::dialogLayoutAndKeys()
{
    DocumentFixture doc;
    QList<int> topics;
    const HelpOpener programs = setHelpOpener([&](QWidget*, int topic) { topics.append(topic); });
    auto restore = qScopeGuard([&] { setHelpOpener(programs); });
    doc.frame->shellState().hintsOn = false;
    QStringList entries;
    QString caption;
    bool focusOnTitle = false, mnemonic = false, noTips = false;
    answerDialog<TDTitelSeite>(
        [&](TDTitelSeite* dialog) {
            caption = dialog->windowTitle();
            for (int i = 0; i < dialog->ComboBox1->count(); ++i)
                entries << dialog->ComboBox1->itemText(i);
            focusOnTitle = dialog->focusWidget() == dialog->Edit1;
            noTips = dialog->Edit1->toolTip().isEmpty() && dialog->ComboBox1->toolTip().isEmpty();
            QTest::keyClick(dialog->Edit1, Qt::Key_D, Qt::AltModifier);
            mnemonic = dialog->ComboBox1->hasFocus() && dialog->Label1->text() == u"&Dokumenttyp";
            dialog->helpButton()->click();
            dialog->reject();
        },
        QString());
    doc.trigger("Grundgersteinfgen1");
    QVERIFY(waitNoModal());
    QCOMPARE(caption, u"Titel für die WWW Seite"_s);
    QCOMPARE(entries, documentTypes());
    QCOMPARE(entries.size(), 10);
    QCOMPARE(entries.at(4), u"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 3.0//EN\" \"html.dtd\">"_s);
    QCOMPARE(entries.at(9), u"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML Level 3//EN\">"_s);
    QVERIFY(focusOnTitle);
    QVERIFY(mnemonic);
    QVERIFY(noTips);
    QCOMPARE(topics, QList<int>{308});
}

void TestPageSkeleton::reachedFromMenuKeyAndToolbar()
{
    DocumentFixture doc;
    doc.memo->setFocus();
    QTRY_VERIFY(doc.memo->hasFocus());
    answerDialog<TDTitelSeite>([](TDTitelSeite*) {});
    QTest::keyClick(doc.memo, Qt::Key_J, Qt::ControlModifier);
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), Empty);

    doc.memo->loadText(QString());
    runIdle();
    QAction* button = doc.frame->control(u"SBtnWWW"_s);
    QVERIFY(button && button->isEnabled());
    QCOMPARE(button->toolTip(), u"WWW Seiten Grundgerüst"_s);
    answerDialog<TDTitelSeite>([](TDTitelSeite*) {});
    button->trigger();
    QVERIFY(waitNoModal());
    QCOMPARE(doc.memo->text(), Empty);
}

TESSALINE_TEST_MAIN(TestPageSkeleton)
#include "tst_pageskeleton.moc"
