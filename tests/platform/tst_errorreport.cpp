// Tests of the general error report: caption, text, icon and owner of the message box, and the
// report of an error that escapes an event handler.
#include "platform/ErrorReport.h"
#include "platform/UserError.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace
{

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    bool seen = false;
};

// Records the next message box and closes it with OK.
void recordNextBox(SeenBox* seen)
{
    whenModal([seen](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        seen->title = box->windowTitle();
        seen->text = box->text();
        seen->icon = box->icon();
        seen->buttons = box->standardButtons();
        seen->parent = box->parentWidget();
        seen->seen = true;
        box->button(QMessageBox::Ok)->click();
        return true;
    });
}

} // namespace

class TstErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void boxCarriesTitleTextAndIcon();
    void boxBelongsToTheActiveWindowWithoutParent();
    void errorEscapingAHandlerIsReported();

private:
    TestEnvironment m_env;
};

void TstErrorReport::boxCarriesTitleTextAndIcon()
{
    QWidget owner;
    owner.show();
    SeenBox seen;
    recordNextBox(&seen);
    reportError(&owner, QStringLiteral("Kann Datei /x/ä.htm nicht öffnen"));
    QVERIFY(seen.seen);
    QCOMPARE(seen.title, QStringLiteral("Tessaline 3.0 light 32"));
    QCOMPARE(seen.text, QStringLiteral("Kann Datei /x/ä.htm nicht öffnen"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.parent, &owner);
    QVERIFY(waitNoModal());

    // Also without any window of the program.
    owner.hide();
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    reportError(nullptr, QStringLiteral("Bereichsüberschreitung"));
    QCOMPARE(text, QStringLiteral("Bereichsüberschreitung"));
}

void TstErrorReport::boxBelongsToTheActiveWindowWithoutParent()
{
    QWidget frame;
    frame.show();
    frame.activateWindow();
    if (!QTest::qWaitForWindowActive(&frame))
        QSKIP("the platform does not activate windows");
    SeenBox seen;
    recordNextBox(&seen);
    reportError(nullptr, QStringLiteral("Kann Datei a nicht erstellen"));
    QVERIFY(seen.seen);
    QCOMPARE(seen.parent, &frame);
    QCOMPARE(seen.title, AppInfo::Title);
}

void TstErrorReport::errorEscapingAHandlerIsReported()
{
    // The command's error ends the command, is shown, and the loop goes on with the next event.
    SeenBox seen;
    recordNextBox(&seen);
    bool laterEventRan = false;
    QTimer::singleShot(
        0, [] { throw UserError(QStringLiteral("Kann Datei C:\\a.htm nicht öffnen")); });
    QTimer::singleShot(50, [&] { laterEventRan = true; });
    QVERIFY(QTest::qWaitFor([&] { return seen.seen && laterEventRan; }, 5000));
    QCOMPARE(seen.title, AppInfo::Title);
    QCOMPARE(seen.text, QStringLiteral("Kann Datei C:\\a.htm nicht öffnen"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QVERIFY(waitNoModal());
}

TESSALINE_TEST_MAIN(TstErrorReport)
#include "tst_errorreport.moc"
