// Tests of the entity key filter: typed keys and input-method commits in documents, dialog
// fields and combo boxes, with selections, overwrite mode, undo and the switch.
#include "editor/EntityKeyFilter.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

class TstEntityKeyFilter : public QObject
{
    Q_OBJECT

private slots:
    void everyField();
    void selectionOverwriteAndUndo();
    void inputMethodCommits();
    void switchedOff();

private:
    TestEnvironment m_env;
};

namespace
{

void type(QWidget* field, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, mods, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, mods, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
}

// A dead key's diaeresis waits as preedit text until the letter commits.
void commit(QWidget* field, const QString& text, const QString& preedit = QString())
{
    QInputMethodEvent start(u"\u00A8"_s, {});
    QCoreApplication::sendEvent(field, &start);
    QInputMethodEvent done(preedit, {});
    done.setCommitString(text);
    QCoreApplication::sendEvent(field, &done);
}

} // namespace

void TstEntityKeyFilter::everyField()
{
    TExtRich memo;
    QLineEdit line;
    QTextEdit rich;
    QComboBox combo, fixed;
    combo.setEditable(true);
    EntityKeyFilter::attach(&memo);
    EntityKeyFilter::attach(&line);
    EntityKeyFilter::attach(&rich);
    QVERIFY(EntityKeyFilter::attach(&combo));
    QVERIFY(!EntityKeyFilter::attach(&fixed));

    const QString typed = u"xÄäÜüÖöß é;&"_s;
    const QString expected = u"x&Auml;&auml;&Uuml;&uuml;&Ouml;&ouml;&szlig; é;&"_s;
    for (QWidget* field : std::initializer_list<QWidget*>{&memo, &line, &rich, &combo})
        type(field, typed);
    QCOMPARE(memo.text(), expected);
    QCOMPARE(line.text(), expected);
    QCOMPARE(line.cursorPosition(), expected.size());
    QCOMPARE(rich.toPlainText(), expected);
    QCOMPARE(combo.currentText(), expected);
    type(combo.lineEdit(), u"ö"_s); // keys sent to the combo's line edit itself
    QCOMPARE(combo.currentText(), expected + u"&ouml;"_s);
}

void TstEntityKeyFilter::selectionOverwriteAndUndo()
{
    TExtRich memo;
    EntityKeyFilter::attach(&memo, [] { return true; });
    memo.loadText(u"Die Tur klemmt"_s);
    memo.setSelStart(5);
    memo.setSelLength(1);
    type(&memo, u"ü"_s);
    QCOMPARE(memo.text(), u"Die T&uuml;r klemmt"_s);
    QCOMPARE(memo.selStart(), 11);
    memo.undoLast();
    QCOMPARE(memo.text(), u"Die Tur klemmt"_s);

    // Overwrite mode: the prefix goes in, the semicolon overwrites the character behind it.
    memo.setSelStart(4);
    QTest::keyClick(&memo, Qt::Key_Insert);
    type(&memo, u"Ö"_s);
    QCOMPARE(memo.text(), u"Die &Ouml;ur klemmt"_s);
    QCOMPARE(memo.selStart(), 10);
    memo.undoLast();
    QCOMPARE(memo.text(), u"Die Tur klemmt"_s);
    memo.setSelStart(4);
    memo.setSelLength(3);
    type(&memo, u"ß"_s);
    QCOMPARE(memo.text(), u"Die &szlig;klemmt"_s);

    QLineEdit edit(u"Gr??e"_s);
    EntityKeyFilter::attach(&edit);
    edit.setSelection(2, 2);
    type(&edit, u"ß"_s);
    QCOMPARE(edit.text(), u"Gr&szlig;e"_s);
    edit.undo();
    QCOMPARE(edit.text(), u"Gr??e"_s);
    // A length limit treats the semicolon like any typed character.
    edit.clear();
    edit.setMaxLength(5);
    type(&edit, u"Ä"_s);
    QCOMPARE(edit.text(), u"&Auml"_s);
}

void TstEntityKeyFilter::inputMethodCommits()
{
    TExtRich memo;
    QLineEdit line;
    EntityKeyFilter::attach(&memo);
    EntityKeyFilter::attach(&line);
    for (QWidget* field : std::initializer_list<QWidget*>{&memo, &line}) {
        type(field, u"a"_s);
        commit(field, u"ü"_s);
        commit(field, u"xÄy"_s, u"\u00A8"_s);
        commit(field, u"z"_s);
    }
    QCOMPARE(memo.text(), u"a&uuml;x&Auml;yz"_s);
    QCOMPARE(line.text(), u"a&uuml;x&Auml;yz"_s);

    memo.setSelStart(1);
    memo.setOverwriteMode(true);
    commit(&memo, u"ö"_s);
    QCOMPARE(memo.text(), u"a&ouml;uuml;x&Auml;yz"_s);
    memo.undoLast();
    QCOMPARE(memo.text(), u"a&uuml;x&Auml;yz"_s);
}

void TstEntityKeyFilter::switchedOff()
{
    bool on = false;
    TExtRich memo;
    EntityKeyFilter::attach(&memo, [&on] { return on; });
    type(&memo, u"Ä"_s);
    commit(&memo, u"ö"_s);
    QCOMPARE(memo.text(), u"Äö"_s);
    on = true;
    type(&memo, u"Ä"_s);
    QCOMPARE(memo.text(), u"Äö&Auml;"_s);

    // Read-only fields and Ctrl chords are left alone.
    QLineEdit line;
    EntityKeyFilter::attach(&line);
    line.setReadOnly(true);
    type(&line, u"Ä"_s);
    line.setReadOnly(false);
    type(&line, u"Ä"_s, Qt::ControlModifier);
    QCOMPARE(line.text(), QString());
}

TESSALINE_TEST_MAIN(TstEntityKeyFilter)
#include "tst_entitykeyfilter.moc"
