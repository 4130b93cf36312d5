// Tests of starting the browsers: button captions, the single parameter, the frame's command.
#include "app/Browsers.h"
#include "platform/ShellLaunch.h"
#include "core/ShellState.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QWidget>

class TstShellLaunch : public QObject
{
    Q_OBJECT

private slots:
    void browserCaption_data();
    void browserCaption();
    void browserGetsOneArgument();
    void missingBrowserShowsErrorBox();

private:
    TestEnvironment m_env;
};

void TstShellLaunch::browserCaption_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("caption");
    QTest::newRow("exe") << "C:\\Programme\\browse.exe"
                         << "HTML Datei mit browse testen";
    // Four characters go at the first place of ".html", which leaves its last letter.
    QTest::newRow("html") << "C:\\Web\\viewer.html"
                          << "HTML Datei mit viewerl testen";
    QTest::newRow("no extension") << "C:\\Web\\view"
                                  << "HTML Datei mit view testen";
}

void TstShellLaunch::browserCaption()
{
    QFETCH(QString, path);
    QFETCH(QString, caption);
    QCOMPARE(::browserCaption(path), caption);
}

void TstShellLaunch::browserGetsOneArgument()
{
    // A browser in a directory with a blank that writes its arguments one per line.
    QVERIFY(QDir(m_env.dir()).mkpath("mit Leerzeichen"));
    const QString browser = m_env.path("mit Leerzeichen/browser");
    const QByteArray out = m_env.path("args.txt").toUtf8();
    QFile script(browser);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + out + ".part'\nmv '" +
                 out + ".part' '" + out + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    auto recorded = [&] {
        if (!QTest::qWaitFor([&] { return QFile::exists(out); }, 5000))
            return QString("<nicht gestartet>");
        QFile file(out);
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(file.readAll());
        QFile::remove(out);
        return text;
    };

    QWidget frame;
    const QString page = m_env.path("Meine Seite; $HOME *.html");
    QVERIFY(launchInShell(&frame, browser, page));
    QCOMPARE(recorded(), page + "\n");
    QVERIFY(launchInShell(&frame, browser, QString()));
    QCOMPARE(recorded(), QString());

    ShellState state;
    state.browser1Path = m_env.path("gibtsnicht");
    state.browser2Path = browser;
    QVERIFY(frameBrowserCommand(&frame, state, 2));
    QCOMPARE(recorded(), QDir::toNativeSeparators(programDirectory()) + "\n");
}

void TstShellLaunch::missingBrowserShowsErrorBox()
{
    QWidget frame;
    QString seen;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        seen = QString("%1|%2|%3|%4")
                   .arg(box->windowTitle(), box->text())
                   .arg(box->icon())
                   .arg(box->parentWidget() == &frame);
        box->button(QMessageBox::Ok)->click();
        return true;
    });
    ShellState state;
    state.browser1Path = m_env.path("browse.exe");
    QVERIFY(!frameBrowserCommand(&frame, state, 1));
    QCOMPARE(
        seen,
        QString("Fehler|Auszuführendes Programm nicht gefunden|%1|1").arg(QMessageBox::Critical));
}

TESSALINE_TEST_MAIN(TstShellLaunch)
#include "tst_shelllaunch.moc"
