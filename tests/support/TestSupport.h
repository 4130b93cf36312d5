// Test helpers: a private settings store and temporary directory, and answers to modal dialogs.
#pragma once

#include "app/Application.h"

#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

// Redirects the settings store into a fresh INI file inside a temporary directory for the
// lifetime of the object, so tests never touch the user's settings or files.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    QString dir() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString settingsFile() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    // Starts again with an empty store (where the tip window would open at a frame's start).
    void clearSettings();
    // Switches the start-up tip window off in the store; the constructor does so already.
    void quietStart();

private:
    QTemporaryDir m_dir;
    QByteArray m_oldDataHome, m_oldConfigHome;
};

// Calls handler with the next modal widget as soon as one is shown (polling the event loop).
// The handler returns true when it has dealt with the widget; until then it is asked again.
// Gives up after timeoutMs (generous: on a loaded machine the first file dialog of a run can take
// seconds to appear, and a dialog nobody answers hangs the test). Several calls queue up: each
// waits for a modal widget it has not seen handled yet.
void whenModal(std::function<bool(QWidget*)> handler, int timeoutMs = 30000);

// Answers the next message box with the given button; stores its text in *text when asked to.
void answerMessageBox(QMessageBox::StandardButton button, QString* text = nullptr);
// Answers the next file dialog with a path (cancels it when path is empty); reports its object
// name and filters when asked.
void answerFileDialog(const QString& path, QString* name = nullptr, QStringList* filters = nullptr);

// Waits until no modal widget is left open (or timeoutMs passed); returns whether none is.
bool waitNoModal(int timeoutMs = 5000);

// Runs a real event loop for ms milliseconds, so that it blocks and the idle hook runs (QTest's
// waits only poll and never let the queue go idle).
void runIdle(int ms = 30);

// Like QTEST_MAIN, but with the program's own application object, so that a command's error
// reaches the general error report exactly as in the editor.
#define TESSALINE_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TessalineApplication app(argc, argv);                                                      \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
