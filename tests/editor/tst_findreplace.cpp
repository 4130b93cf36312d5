// Tests of the find and replace dialogs and commands: messages, find-next, replacing one or all
// occurrences, undo, and replacements that contain the find text.
#include "editor/FindReplace.h"
#include "editor/TextControl.h"
#include "platform/ErrorReport.h"
#include "support/TestSupport.h"

#include <QPushButton>
#include <QSignalSpy>

class TstFindReplace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void findDialogFindsAndCloses();
    void notFoundMessages_data();
    void notFoundMessages();
    void findNextRepeatsLastSearch();
    void findNextButtonOfReplaceDialog();
    void replaceButtonOnlySelects();
    void replaceAllYesNoYes();
    void replaceAllCancel();
    void replacementContainingFindText_data();
    void replacementContainingFindText();

private:
    // Loads text, opens the replace dialog and fills in its two texts.
    TSearchDialog* openReplace(const QString& text, const QString& find, const QString& with);

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<QWidget> m_owner;
    TExtRich* m_memo = nullptr;
    TFindReplace* m_commands = nullptr;
};

void TstFindReplace::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_owner = std::make_unique<QWidget>();
    m_memo = new TExtRich(m_owner.get());
    m_commands = new TFindReplace(m_memo, m_owner.get());
    m_owner->show();
}

void TstFindReplace::cleanup()
{
    m_owner.reset();
    m_env.reset();
}

TSearchDialog* TstFindReplace::openReplace(const QString& text, const QString& find,
                                           const QString& with)
{
    m_memo->loadText(text);
    m_commands->Ersetzen2Click();
    TSearchDialog* dialog = m_commands->replaceDialog();
    dialog->setFindText(find);
    dialog->setReplaceText(with);
    return dialog;
}

void TstFindReplace::findDialogFindsAndCloses()
{
    m_memo->loadText(QStringLiteral("eins\r\nzwei\r\nZwei"));
    QSignalSpy started(m_commands, &TFindReplace::searchStarted);
    m_commands->Suchen2Click();
    TSearchDialog* dialog = m_commands->findDialog();
    QCOMPARE(dialog->objectName(), QStringLiteral("FindDialog1"));
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(started.count(), 1);
    QVERIFY(dialog->options().down);

    dialog->setFindText(QStringLiteral("zwei"));
    dialog->setOptions({true, true, false});
    dialog->findNextButton()->click();
    QCOMPARE(m_memo->selStart(), 6);
    QCOMPARE(m_memo->selLength(), 4);
    QVERIFY(!dialog->isVisible());

    // Opening it again keeps the last find text and options.
    m_commands->Suchen2Click();
    QCOMPARE(dialog->findText(), QStringLiteral("zwei"));
    QVERIFY(dialog->options().matchCase);
    QCOMPARE(started.count(), 2);

    // The replace command does not start a search.
    m_commands->Ersetzen2Click();
    QCOMPARE(m_commands->replaceDialog()->objectName(), QStringLiteral("ReplaceDialog1"));
    QVERIFY(m_commands->replaceDialog()->isVisible());
    QCOMPARE(started.count(), 2);
}

void TstFindReplace::notFoundMessages_data()
{
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("replaceDialog");
    QTest::newRow("find") << QStringLiteral("drei") << false;
    QTest::newRow("empty find text") << QString() << false;
    QTest::newRow("replace dialog") << QStringLiteral("drei") << true;
}

void TstFindReplace::notFoundMessages()
{
    QFETCH(QString, find);
    QFETCH(bool, replaceDialog);
    m_memo->loadText(QStringLiteral("eins zwei"));
    m_memo->setSelStart(1);
    m_memo->setSelLength(2);
    TSearchDialog* dialog;
    if (replaceDialog) {
        m_commands->Ersetzen2Click();
        dialog = m_commands->replaceDialog();
    } else {
        m_commands->Suchen2Click();
        dialog = m_commands->findDialog();
    }
    dialog->setFindText(find);

    QString title, text;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        title = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    dialog->findNextButton()->click();
    QCOMPARE(text, QLatin1Char('"') + find + QStringLiteral("\" wurde nicht gefunden."));
    QCOMPARE(title, AppInfo::Title);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_memo->selStart(), 1);
    QCOMPARE(m_memo->selLength(), 2);
}

void TstFindReplace::findNextRepeatsLastSearch()
{
    m_memo->loadText(QStringLiteral("ab\r\nab ab"));
    m_commands->Suchen2Click();
    m_commands->findDialog()->setFindText(QStringLiteral("AB"));
    m_commands->findDialog()->findNextButton()->click();
    QCOMPARE(m_memo->selStart(), 0);
    m_commands->FindNext1Click();
    QCOMPARE(m_memo->selStart(), 4);
    QVERIFY(!m_commands->findDialog()->isVisible());
    m_commands->FindNext1Click();
    QCOMPARE(m_memo->selStart(), 7);
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    m_commands->FindNext1Click();
    QCOMPARE(text, QStringLiteral("\"AB\" wurde nicht gefunden."));
    QCOMPARE(m_memo->selStart(), 7);

    // Upwards from where the caret is now.
    m_commands->findDialog()->setOptions({false, false, false});
    m_commands->FindNext1Click();
    QCOMPARE(m_memo->selStart(), 4);
}

void TstFindReplace::findNextButtonOfReplaceDialog()
{
    TSearchDialog* dialog =
        openReplace(QStringLiteral("alt und alt"), QStringLiteral("alt"), QStringLiteral("neu"));

    QString title, text;
    bool cancelOffered = false;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        title = box->windowTitle();
        text = box->text();
        cancelOffered = box->button(QMessageBox::Cancel) != nullptr;
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    dialog->findNextButton()->click();
    QCOMPARE(title, QStringLiteral("Suchen und ersetzen!"));
    QCOMPARE(text, QStringLiteral("Dieses Vorkommen ersetzen?"));
    QVERIFY(cancelOffered);
    QCOMPARE(m_memo->text(), QStringLiteral("neu und alt"));
    QCOMPARE(m_memo->selStart(), 3);
    QCOMPARE(m_memo->selLength(), 0);
    QVERIFY(dialog->isVisible());

    answerMessageBox(QMessageBox::Cancel);
    dialog->findNextButton()->click();
    QCOMPARE(m_memo->text(), QStringLiteral("neu und alt"));
    QCOMPARE(m_memo->selText(), QStringLiteral("alt"));
    QVERIFY(!dialog->isVisible());
}

void TstFindReplace::replaceButtonOnlySelects()
{
    TSearchDialog* dialog =
        openReplace(QStringLiteral("alt und alt"), QStringLiteral("alt"), QStringLiteral("neu"));
    m_memo->setSelStart(1);
    dialog->replaceButton()->click();
    QCOMPARE(m_memo->text(), QStringLiteral("alt und alt"));
    QCOMPARE(m_memo->selStart(), 8);
    QVERIFY(!dialog->isVisible());

    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    dialog->replaceButton()->click();
    QCOMPARE(text, QStringLiteral("\"alt\" wurde nicht gefunden."));
}

void TstFindReplace::replaceAllYesNoYes()
{
    TSearchDialog* dialog = openReplace(QStringLiteral("Hund\r\nhund HUND hund"),
                                        QStringLiteral("hund"), QStringLiteral("Katze"));
    QString text;
    answerMessageBox(QMessageBox::Yes, &text);
    answerMessageBox(QMessageBox::No);
    answerMessageBox(QMessageBox::Yes);
    answerMessageBox(QMessageBox::No);
    dialog->replaceAllButton()->click();
    QVERIFY(waitNoModal());
    QCOMPARE(text, QStringLiteral("Dieses Vorkommen ersetzen?"));
    QCOMPARE(m_memo->text(), QStringLiteral("Katze\r\nhund Katze hund"));
    QVERIFY(!dialog->isVisible());

    // The whole replace-all is one undo step.
    m_memo->undoLast();
    QCOMPARE(m_memo->text(), QStringLiteral("Hund\r\nhund HUND hund"));
}

void TstFindReplace::replaceAllCancel()
{
    TSearchDialog* dialog =
        openReplace(QStringLiteral("a a a"), QStringLiteral("a"), QStringLiteral("b"));
    answerMessageBox(QMessageBox::Yes);
    answerMessageBox(QMessageBox::Cancel);
    dialog->replaceAllButton()->click();
    QVERIFY(waitNoModal());
    QCOMPARE(m_memo->text(), QStringLiteral("b a a"));
    QVERIFY(!dialog->isVisible());
}

void TstFindReplace::replacementContainingFindText_data()
{
    QTest::addColumn<bool>("down");
    QTest::newRow("down") << true;
    QTest::newRow("up") << false;
}

void TstFindReplace::replacementContainingFindText()
{
    QFETCH(bool, down);
    TSearchDialog* dialog =
        openReplace(QStringLiteral("ab ab"), QStringLiteral("ab"), QStringLiteral("abab"));
    m_memo->setSelStart(down ? 0 : m_memo->textLength());
    dialog->setOptions({down, false, false});
    int asked = 0;
    // Answers Yes, but gives up when asked far more often than there are occurrences.
    m_commands->setAnswerer([&asked](QMessageBox::StandardButtons) {
        return ++asked < 10 ? QMessageBox::Yes : QMessageBox::Cancel;
    });
    dialog->replaceAllButton()->click();
    QCOMPARE(asked, 2);
    QCOMPARE(m_memo->text(), QStringLiteral("abab abab"));
}

TESSALINE_TEST_MAIN(TstFindReplace)
#include "tst_findreplace.moc"
