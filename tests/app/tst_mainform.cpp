// Tests of the frame window: start-up reading, shutdown writes, toolbars, menus, hooks, keys.
#include "app/InstallSeeds.h"
#include "app/Main.h"
#include "core/SettingsStore.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"
#include "platform/ErrorReport.h"
#include "platform/UserError.h"
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <memory>

namespace
{

QString store(const char* section, const char* name, const QString& def = QStringLiteral("?"))
{
    return SettingsStore().readString(QString::fromLatin1(section), QString::fromLatin1(name), def);
}

void put(const char* section, const char* name, const QString& value)
{
    SettingsStore s;
    s.writeString(QString::fromLatin1(section), QString::fromLatin1(name), value);
    s.sync();
}

QStringList menuBarNames(TMainForm& frame)
{
    QStringList names;
    for (QAction* action : frame.menuBar()->actions())
        names << (action->menu() ? action->menu()->objectName() : action->objectName());
    return names;
}

// Shows the frame and lets it take part in activation the way a desktop session would.
void showAndActivate(TMainForm& frame)
{
    frame.show();
    QApplication::setActiveWindow(&frame);
    QVERIFY(QTest::qWaitForWindowActive(&frame));
}

QString writeFile(const TestEnvironment& env, const QString& name, const QByteArray& bytes)
{
    const QString path = env.path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

// Whether a key press can reach the action: it sits on a visible widget, or in a menu that is
// itself reachable (shown in the menu bar or in a reachable menu).
bool reachable(QAction* action, int depth = 0)
{
    for (QObject* owner : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner)) {
            if (depth < 8 && reachable(menu->menuAction(), depth + 1))
                return true;
        } else if (auto* widget = qobject_cast<QWidget*>(owner); widget && widget->isVisible()) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        waitNoModal(1000);
        m_env.reset();
    }

    void firstStartSeedsAndCreatesDirectories();
    void seedsNeverOverwriteStoredValues();
    void invalidIntervalsAndColoursFallBack_data();
    void invalidIntervalsAndColoursFallBack();
    void timerIntervalsBelowASecondAreInvalid_data();
    void timerIntervalsBelowASecondAreInvalid();
    void garbledCountsStartSmall_data();
    void garbledCountsStartSmall();
    void negativeRecentCountIsAnEmptyList();
    void absentValuesWithoutSeeds();
    void captionStatusBarAndToolBars();
    void toolBarsWholeAtTheFirstStartSize();
    void windowBoundsAndState_data();
    void windowBoundsAndState();
    void hostileWindowBoundsLandOnTheScreen_data();
    void hostileWindowBoundsLandOnTheScreen();
    void shutdownWritesBoundsOptionsAndToolbars();
    void refusedCloseQueryWritesNothing();
    void toolBarVisibilityAndPlaceSurviveRestart();
    void commandLineFileOpenedExactlyOnce();
    void unreadableCommandLineFileLeavesNoWindow();
    void documentMenusMergeIntoTheMenuBar();
    void idleHookDrivesEditButtons();
    void editButtonsForwardToTheActiveDocument();
    void hintHookAndHintSwitch();
    void everyShortcutHasExactlyOneCommand();
    void commandKeysReachMenuItemsNotTheTextControl();
    void commandErrorIsReportedAndLoopGoesOn();
    void escapeFromAMenuGivesTheKeysBack_data();
    void escapeFromAMenuGivesTheKeysBack();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestMainForm::firstStartSeedsAndCreatesDirectories()
{
    TMainForm frame;
    const ShellState& state = frame.shellState();
    QCOMPARE(state.backupInterval, 60000);
    QCOMPARE(state.autoSaveInterval, 120000);
    QCOMPARE(state.backupExt, QStringLiteral(".bak"));
    QCOMPARE(state.fontSize, 10);
    QCOMPARE(state.fontColor, 0x000000u);
    QCOMPARE(state.background, 0xFFFFFFu);
    QCOMPARE(state.align, QStringLiteral("left"));
    QVERIFY(!state.bold && !state.italic && !state.underline);
    // The seeded font is an installed family that draws every letter equally wide whenever the
    // system has one at all (measured: the fonts' own pitch flag differs between installations),
    // and a new document uses it as stored, plain, in the seeded size.
    QCOMPARE(store("Optionen", "FontName"), state.fontName);
    QCOMPARE(QFontInfo(QFont(state.fontName)).family(), state.fontName);
    const QStringList families = QFontDatabase::families();
    if (std::any_of(families.begin(), families.end(), drawsFixedPitch))
        QVERIFY2(drawsFixedPitch(state.fontName), qPrintable(state.fontName));
    {
        TMDIChild* child = frame.createChild();
        const QFont applied = child->TextMemo->font();
        QCOMPARE(applied.family(), state.fontName);
        QCOMPARE(applied.pointSize(), 10);
        QVERIFY(!applied.bold() && !applied.italic() && !applied.underline());
        child->closeWithoutQuery();
    }

    QVERIFY(state.browser1Selected);
    QVERIFY(QFileInfo(state.browser1Path).isExecutable());
    QVERIFY(!state.browser2Selected);
    QCOMPARE(store("History", "MaxCount"), QStringLiteral("7"));
    for (const char* list : {"Link", "Target", "InlineImage", "BackPicture"})
        QCOMPARE(store(list, "MaxCount"), QStringLiteral("20"));
    const QStringList targets = SettingsStore().readList(
        QStringLiteral("Target"), QStringLiteral("T"), SettingsStore::CountForm::HighestIndex);
    QCOMPARE(targets.mid(0, 4), (QStringList{"_blank", "_self", "_parent", "_top"}));
    QCOMPARE(targets.size(), 5);

    // The three directories live below the per-user data directory, not the program's.
    const QString dataHome = QDir(m_env->path("data")).absolutePath();
    for (const QString& dir : {state.urlListDir, state.plugInDir, state.backupDir}) {
        QVERIFY2(QDir::fromNativeSeparators(dir).startsWith(dataHome), qPrintable(dir));
        QVERIFY(QFileInfo(dir).isDir());
    }
    QVERIFY(state.urlListDir.endsWith(QStringLiteral("URLList")));
    QVERIFY(state.plugInDir.endsWith(QStringLiteral("PlugIn")));
    QVERIFY(state.backupDir.endsWith(QStringLiteral("BackUp")));
    QCOMPARE(store("Path", "BackUp"), state.backupDir);
    QCOMPARE(store("Optionen", "FirstStart"), QStringLiteral("0"));

    // The second start keeps directories the user has chosen since.
    put("Path", "BackUp", m_env->path("mine"));
    TMainForm second;
    QCOMPARE(second.shellState().backupDir, m_env->path("mine"));
}

void TestMainForm::seedsNeverOverwriteStoredValues()
{
    put("Optionen", "AutoBackUp", QStringLiteral("5000"));
    put("Optionen", "FontName", QStringLiteral("Courier"));
    put("Target", "T0", QStringLiteral("oben"));
    put("Target", "Count", QStringLiteral("0"));
    put("Browser", "Browser1Select", QStringLiteral("0"));
    TMainForm frame;
    QCOMPARE(frame.shellState().backupInterval, 5000);
    QCOMPARE(frame.shellState().fontName, QStringLiteral("Courier"));
    QCOMPARE(store("Target", "T0"), QStringLiteral("oben"));
    QCOMPARE(store("Target", "Count"), QStringLiteral("0"));
    QCOMPARE(store("Target", "T1", QStringLiteral("absent")), QStringLiteral("absent"));
    QVERIFY(!frame.shellState().browser1Selected);
    QCOMPARE(store("Browser", "Browser1", QStringLiteral("absent")), QStringLiteral("absent"));
}

void TestMainForm::invalidIntervalsAndColoursFallBack_data()
{
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("colour");
    QTest::newRow("words") << "jede Minute"
                           << "Rotbraun";
    QTest::newRow("negative") << "-5"
                              << "-";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("beyond 32 bits") << "99999999999"
                                    << "$1234567890";
    QTest::newRow("bad hex") << "0xZZ"
                             << "$";
}

void TestMainForm::invalidIntervalsAndColoursFallBack()
{
    QFETCH(QString, interval);
    QFETCH(QString, colour);
    put("Optionen", "AutoBackUp", interval);
    put("Optionen", "AutoSave", interval);
    put("Optionen", "FontColor", colour);
    put("Optionen", "Background", colour);
    TMainForm frame;
    QCOMPARE(frame.shellState().backupInterval, 60000);
    QCOMPARE(frame.shellState().autoSaveInterval, 120000);
    QCOMPARE(frame.shellState().fontColor, 0x000000u);
    QCOMPARE(frame.shellState().background, 0xFFFFFFu);
    // A document opened now still gets its timers and colours.
    TMDIChild* child = frame.createChild();
    QCOMPARE(child->Timer1->interval(), 60000);
    QCOMPARE(child->Timer2->interval(), 120000);
}

void TestMainForm::timerIntervalsBelowASecondAreInvalid_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("backup"); // 0: the timer is off
    QTest::addColumn<int>("autoSave");
    QTest::newRow("one millisecond") << "1" << 60000 << 120000;
    QTest::newRow("just below a second") << "999" << 60000 << 120000;
    QTest::newRow("hex below a second") << "0x10" << 60000 << 120000;
    QTest::newRow("one second") << "1000" << 1000 << 1000;
    QTest::newRow("hex second") << "0x3E8" << 1000 << 1000;
    QTest::newRow("zero switches off") << "0" << 0 << 0;
    QTest::newRow("negative") << "-1000" << 60000 << 120000;
}

void TestMainForm::timerIntervalsBelowASecondAreInvalid()
{
    QFETCH(QString, stored);
    QFETCH(int, backup);
    QFETCH(int, autoSave);
    put("Optionen", "AutoBackUp", stored);
    put("Optionen", "AutoSave", stored);
    TMainForm frame;
    QCOMPARE(frame.shellState().backupInterval, backup);
    QCOMPARE(frame.shellState().autoSaveInterval, autoSave);
    TMDIChild* child = frame.createChild();
    QCOMPARE(child->Timer1->isActive(), backup != 0);
    QCOMPARE(child->Timer2->isActive(), autoSave != 0);
    if (backup != 0)
        QCOMPARE(child->Timer1->interval(), backup);
    if (autoSave != 0)
        QCOMPARE(child->Timer2->interval(), autoSave);
}

void TestMainForm::garbledCountsStartSmall_data()
{
    QTest::addColumn<QString>("maxCount");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("toolCount");
    QTest::addColumn<int>("recentEntries"); // menu entries, also the largest list read
    QTest::addColumn<int>("tools");
    QTest::newRow("just beyond the bounds") << "30"
                                            << "40"
                                            << "1001" << 30 << 1000;
    QTest::newRow("a billion") << "1000000000"
                               << "1000000000"
                               << "1000000000" << 30 << 1000;
    QTest::newRow("largest integer") << "2147483647"
                                     << "2147483647"
                                     << "2147483647" << 30 << 1000;
    QTest::newRow("count beyond a small maximum") << "3"
                                                  << "1000000000"
                                                  << "2" << 4 << 2;
    QTest::newRow("negative maximum") << "-1000000000"
                                      << "5"
                                      << "-5" << 0 << 0;
}

void TestMainForm::garbledCountsStartSmall()
{
    QFETCH(QString, maxCount);
    QFETCH(QString, count);
    QFETCH(QString, toolCount);
    QFETCH(int, recentEntries);
    QFETCH(int, tools);
    put("History", "MaxCount", maxCount);
    put("History", "Count", count);
    put("History", "File0", m_env->path("neu.html"));
    put("Tools", "Count", toolCount);
    TMainForm frame;
    const ShellState& state = frame.shellState();
    QCOMPARE(state.recentMaxIndex, recentEntries - 1);
    QCOMPARE(state.recentLastIndex, recentEntries - 1);
    QCOMPARE(state.recentFiles.size(), qsizetype(recentEntries));
    QCOMPARE(frame.recentFileActions().size(), qsizetype(recentEntries));
    if (recentEntries > 0)
        QCOMPARE(frame.recentFileActions().first()->text(), "&1 " + m_env->path("neu.html"));
    QCOMPARE(state.toolCount, tools);
    // Without tools the menu holds its one disabled "no programs" entry.
    QCOMPARE(frame.findChild<QMenu*>(QStringLiteral("Tools1"))->actions().size(),
             qsizetype(qMax(tools, 1)));
}

void TestMainForm::negativeRecentCountIsAnEmptyList()
{
    put("History", "MaxCount", QStringLiteral("3"));
    put("History", "Count", QStringLiteral("-5"));
    TMainForm frame;
    QCOMPARE(frame.shellState().recentLastIndex, -1);
    // The next file saved under a new name is entry 0 and shows at once.
    const QString path = m_env->path("neu.html");
    frame.documentSavedAs(path);
    QCOMPARE(frame.recentFileActions().first()->text(), "&1 " + path);
    QCOMPARE(store("History", "Count"), QStringLiteral("0"));
    QCOMPARE(store("History", "File0"), path);
}

void TestMainForm::absentValuesWithoutSeeds()
{
    TMainForm frame(StartOptions{QString(), false});
    const ShellState& state = frame.shellState();
    QCOMPARE(state.toolCount, 0);
    QVERIFY(state.recentFiles.isEmpty());
    QCOMPARE(state.backupInterval, 60000);
    QCOMPARE(state.autoSaveInterval, 120000);
    QCOMPARE(state.fontColor, 0x000000u);
    QCOMPARE(state.background, 0xFFFFFFu);
    QCOMPARE(state.windowState, QStringLiteral("Default"));
    QVERIFY(state.hintsOn);
    for (bool visible : state.toolBarVisible)
        QVERIFY(visible);
    // A document window copes with the "Default" font and alignment texts.
    TMDIChild* child = frame.createChild();
    QVERIFY(QFontInfo(child->TextMemo->font()).pixelSize() > 0);
    QTest::keyClicks(child->TextMemo, QStringLiteral("<p>"));
    QCOMPARE(child->TextMemo->text(), QStringLiteral("<p>"));
}

void TestMainForm::captionStatusBarAndToolBars()
{
    TMainForm frame;
    QCOMPARE(frame.windowTitle(), QStringLiteral("Tessaline 3.0l32"));
    QStringList panels;
    for (QLabel* label : frame.HintStatusBar1->findChildren<QLabel*>())
        panels << label->objectName();
    for (const char* name : {"HintStatusPanel1", "HintStatusPanel2", "HintStatusPanel3",
                             "HintStatusPanel4", "HintStatusPanel5", "HintStatusPanel7"})
        QVERIFY2(frame.HintStatusBar1->panel(QString::fromLatin1(name)), name);
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel3")),
             QStringLiteral("Drücken Sie F1 um die Hilfe aufzurufen"));

    QCOMPARE(frame.findChildren<QToolBar*>().size(), 10);
    QCOMPARE(frame.toolBar(8)->objectName(), QStringLiteral("XToolBar8"));
    QCOMPARE(frame.toolBar(8)->windowTitle(), QStringLiteral("Überschriften"));
    QCOMPARE(frame.toolBarArea(frame.toolBar(1)), Qt::LeftToolBarArea);
    QCOMPARE(frame.toolBarArea(frame.toolBar(3)), Qt::LeftToolBarArea);
    QCOMPARE(frame.toolBarArea(frame.toolBar(10)), Qt::TopToolBarArea);
    for (QToolBar* bar : frame.findChildren<QToolBar*>()) {
        QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
        QVERIFY(bar->isFloatable());
    }
    // The switch menu lists the ten toolbars, checked while they show, also as dock menu.
    QCOMPARE(frame.PopupMenuLeiste->actions().size(), 10);
    QCOMPARE(frame.PopupMenuLeiste->actions().first()->text(), QStringLiteral("Text und Absatz"));
    std::unique_ptr<QMenu> dockMenu(frame.createPopupMenu());
    QCOMPARE(dockMenu->actions(), frame.PopupMenuLeiste->actions());
    QCOMPARE(menuBarNames(frame),
             (QStringList{"Datei1", "Bearbeiten2", "Optionen1", "Tags1", "Weiteretags1", "Helfer2",
                          "Tools1", "Window1", "Hilfe1"}));
}

void TestMainForm::toolBarsWholeAtTheFirstStartSize()
{
    // A 1280 × 1024 screen less a task bar, and nothing stored yet.
    const QRect area(0, 0, 1280, 994);
    TMainForm frame;
    ShellState unstored;
    const QSize size =
        unstored.framePlacement(QSize(800, 600), frame.minimumSizeHint(), {area}).bounds.size();
    QVERIFY2(size.width() >= 1280 - 64, qPrintable(QString::number(size.width())));
    // The test screen is smaller: the first show fits the frame onto it, so the size comes after.
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.resize(size);
    QTRY_COMPARE(frame.size(), size);
    for (int n = 1; n <= 10; ++n) {
        QToolBar* bar = frame.toolBar(n);
        QVERIFY(bar->isVisible());
        // A toolbar too short for its buttons hides the rest behind its chevron.
        auto* chevron = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY2(!chevron || !chevron->isVisible(), qPrintable(bar->objectName()));
    }
}

void TestMainForm::windowBoundsAndState_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("maximized");
    QTest::newRow("Maximized") << "Maximized" << true;
    QTest::newRow("lower case is no state") << "maximized" << false;
    QTest::newRow("Normal") << "Normal" << false;
}

void TestMainForm::windowBoundsAndState()
{
    QFETCH(QString, state);
    QFETCH(bool, maximized);
    put("MainForm", "Left", QStringLiteral("30"));
    put("MainForm", "Top", QStringLiteral("40"));
    put("MainForm", "Width", QStringLiteral("700"));
    put("MainForm", "Height", QStringLiteral("500"));
    put("MainForm", "WindowState", state);
    TMainForm frame;
    QCOMPARE(bool(frame.windowState() & Qt::WindowMaximized), maximized);
    const QRect bounds = maximized ? frame.normalGeometry() : frame.geometry();
    QCOMPARE(bounds.size(), QSize(700, 500));
    QCOMPARE(bounds.topLeft(), QPoint(30, 40));
}

void TestMainForm::hostileWindowBoundsLandOnTheScreen_data()
{
    QTest::addColumn<QStringList>("stored"); // Left, Top, Width, Height; "" is absent
    QTest::addColumn<int>("edges");          // Qt::Edges of the work area the frame touches
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QString big = QStringLiteral("2147483647");
    const QString small = QStringLiteral("-2147483648");
    const QString x0 = QString::number(area.x() + 10);
    const QString y0 = QString::number(area.y() + 20);
    const int all = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    QTest::newRow("huge top") << QStringList{x0, big, "400", "300"} << int(Qt::BottomEdge);
    QTest::newRow("hex top") << QStringList{x0, "0x7FFFFFF0", "400", "300"} << int(Qt::BottomEdge);
    QTest::newRow("huge left") << QStringList{big, y0, "400", "300"} << int(Qt::RightEdge);
    QTest::newRow("everything huge") << QStringList{big, big, big, big} << all;
    QTest::newRow("far up and left")
        << QStringList{small, small, "400", "300"} << int(Qt::LeftEdge | Qt::TopEdge);
    QTest::newRow("larger than the screen")
        << QStringList{x0, y0, QString::number(area.width() * 4),
                       QString::number(area.height() * 4)}
        << all;
    QTest::newRow("partly off to the right")
        << QStringList{QString::number(area.right() - 100), y0, "400", "300"} << int(Qt::RightEdge);
    // Without a stored size the work area less a margin on every side.
    QTest::newRow("place only") << QStringList{big, big, "", ""}
                                << int(Qt::RightEdge | Qt::BottomEdge);
    QTest::newRow("one pixel") << QStringList{x0, y0, "1", "1"} << 0;
}

void TestMainForm::hostileWindowBoundsLandOnTheScreen()
{
    QFETCH(QStringList, stored);
    QFETCH(int, edges);
    const char* names[] = {"Left", "Top", "Width", "Height"};
    for (int i = 0; i < 4; ++i)
        if (!stored.at(i).isEmpty())
            put("MainForm", names[i], stored.at(i));
    put("MainForm", "WindowState", QStringLiteral("Normal"));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    TMainForm frame;
    const QRect bounds = frame.geometry();
    QVERIFY2(area.contains(bounds), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                   .arg(bounds.x())
                                                   .arg(bounds.y())
                                                   .arg(bounds.width())
                                                   .arg(bounds.height())));
    QVERIFY(bounds.width() >= std::min(320, area.width()));
    QVERIFY(bounds.height() >= std::min(240, area.height()));
    QCOMPARE(bounds.left() == area.left(), bool(edges & Qt::LeftEdge));
    QCOMPARE(bounds.top() == area.top(), bool(edges & Qt::TopEdge));
    QCOMPARE(bounds.right() == area.right(), bool(edges & Qt::RightEdge));
    QCOMPARE(bounds.bottom() == area.bottom(), bool(edges & Qt::BottomEdge));
    // Shown, the decorations are on the work area as well.
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(area.contains(frame.frameGeometry()));
}

void TestMainForm::shutdownWritesBoundsOptionsAndToolbars()
{
    {
        TMainForm frame;
        frame.setGeometry(50, 60, 700, 500);
        frame.shellState().backupInterval = 1234;
        frame.shellState().hintsOn = false;
        frame.shellState().backupExt = QStringLiteral(".alt");
        frame.show();
        QVERIFY(frame.close());
    }
    QCOMPARE(store("MainForm", "Left"), QStringLiteral("50"));
    QCOMPARE(store("MainForm", "Top"), QStringLiteral("60"));
    QCOMPARE(store("MainForm", "Width"), QStringLiteral("700"));
    QCOMPARE(store("MainForm", "Height"), QStringLiteral("500"));
    QCOMPARE(store("MainForm", "WindowState"), QStringLiteral("Normal"));
    QCOMPARE(store("Optionen", "AutoBackUp"), QStringLiteral("1234"));
    QCOMPARE(store("Optionen", "BackUpExt"), QStringLiteral(".alt"));
    QCOMPARE(SettingsStore().readBool(QStringLiteral("Optionen"), QStringLiteral("Hints"), true),
             false);
    SettingsStore toolbars(SettingsStore::Key::Toolbars);
    for (int n = 1; n <= 10; ++n) {
        const QString section = QStringLiteral("XToolBar%1").arg(n);
        QVERIFY(toolbars.readBool(section, QStringLiteral("Visible"), false));
        QVERIFY(!toolbars.readString(section, QStringLiteral("DockedTo"), QString()).isEmpty());
    }
}

void TestMainForm::refusedCloseQueryWritesNothing()
{
    TMainForm frame;
    TMDIChild* child = frame.createChild();
    frame.show();
    QTest::keyClicks(child->TextMemo, QStringLiteral("ungespeichert"));
    SettingsStore().sync();
    auto settingsBytes = [this] {
        QFile file(m_env->settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = settingsBytes();

    QString question;
    answerMessageBox(QMessageBox::Cancel, &question);
    QVERIFY(!frame.close());
    QVERIFY(question.contains(QStringLiteral("Änderungen speichern")));
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.documentCount(), 1);
    QCOMPARE(child->TextMemo->text(), QStringLiteral("ungespeichert"));
    QCOMPARE(settingsBytes(), before);
    QVERIFY(!SettingsStore().hasValue(QStringLiteral("MainForm"), QStringLiteral("WindowState")));

    // Answering No now lets the frame go, and only now are the bounds written.
    answerMessageBox(QMessageBox::No);
    QVERIFY(frame.close());
    QCOMPARE(store("MainForm", "WindowState"), QStringLiteral("Normal"));
}

void TestMainForm::toolBarVisibilityAndPlaceSurviveRestart()
{
    {
        TMainForm frame;
        frame.show();
        QAction* sw = frame.control(QStringLiteral("Grundgeruest1"));
        QVERIFY(sw && sw->isChecked());
        sw->trigger();
        QVERIFY(!sw->isChecked());
        QVERIFY(frame.toolBar(4)->isHidden());
        frame.addToolBar(Qt::BottomToolBarArea, frame.toolBar(2));
        frame.addToolBar(Qt::RightToolBarArea, frame.toolBar(9));
        QVERIFY(frame.close());
    }
    TMainForm again;
    again.show();
    QVERIFY(again.toolBar(4)->isHidden());
    QVERIFY(!again.control(QStringLiteral("Grundgeruest1"))->isChecked());
    QVERIFY(again.toolBar(5)->isVisible());
    QCOMPARE(again.toolBarArea(again.toolBar(2)), Qt::BottomToolBarArea);
    QCOMPARE(again.toolBarArea(again.toolBar(9)), Qt::RightToolBarArea);
    QCOMPARE(again.toolBarArea(again.toolBar(7)), Qt::TopToolBarArea);
    // Switching it on again shows it at once.
    again.control(QStringLiteral("Grundgeruest1"))->trigger();
    QVERIFY(again.toolBar(4)->isVisible());
}

void TestMainForm::commandLineFileOpenedExactlyOnce()
{
    const QString path = writeFile(*m_env, QStringLiteral("start.html"), "<p>Start</p>\r\n");
    TMainForm frame(StartOptions{path, true});
    QCOMPARE(frame.documentCount(), 0); // nothing opens before the frame is on screen
    // Shown, but kept from the focus by the window manager: the file opens all the same.
    struct NoActivation : QObject {
        bool eventFilter(QObject*, QEvent* event) override
        {
            return event->type() == QEvent::ActivationChange;
        }
    } keptFromFocus;
    frame.installEventFilter(&keptFromFocus);
    frame.show();
    QTRY_COMPARE(frame.documentCount(), 1);
    frame.removeEventFilter(&keptFromFocus);
    QCOMPARE(frame.activeChild()->FileName, path);
    QCOMPARE(frame.activeChild()->TextMemo->text(), QStringLiteral("<p>Start</p>\r\n"));
    // Later activations open nothing more.
    frame.FormActivate();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&frame);
    QTest::qWait(20);
    QCOMPARE(frame.documentCount(), 1);
}

void TestMainForm::unreadableCommandLineFileLeavesNoWindow()
{
    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    TMainForm frame(StartOptions{m_env->path("fehlt.html"), true});
    frame.show();
    QApplication::setActiveWindow(&frame);
    QVERIFY(waitNoModal());
    QVERIFY2(message.contains(QStringLiteral("fehlt.html")), qPrintable(message));
    QTRY_COMPARE(frame.documentCount(), 0);
}

void TestMainForm::documentMenusMergeIntoTheMenuBar()
{
    TMainForm frame;
    frame.show();
    QAction* mirrorCut = frame.control(QStringLiteral("FrameCut1"));
    QVERIFY(mirrorCut);
    QVERIFY(!mirrorCut->isEnabled());
    QCOMPARE(menuBarNames(frame).at(1), QStringLiteral("Bearbeiten2"));

    TMDIChild* first = frame.createChild();
    TMDIChild* second = frame.createChild();
    QCOMPARE(frame.activeChild(), second);
    QStringList names = menuBarNames(frame);
    QCOMPARE(names.at(1), QStringLiteral("MDIBearbeiten"));
    QCOMPARE(names.at(2), QStringLiteral("MDIOptionen"));
    QCOMPARE(names.at(3), QStringLiteral("MDITags"));
    QCOMPARE(names.at(5), QStringLiteral("MDIHelfer"));
    QCOMPARE(names.size(), 9);
    // The menus shown are those of the active document.
    QVERIFY(
        frame.menuBar()->actions().contains(second->mergedMenus().first().second->menuAction()));
    frame.mdiArea()->setActiveSubWindow(frame.mdiArea()->subWindowList().first());
    QCOMPARE(frame.activeChild(), first);
    QVERIFY(frame.menuBar()->actions().contains(first->mergedMenus().first().second->menuAction()));

    first->closeWithoutQuery();
    second->closeWithoutQuery();
    QTRY_COMPARE(frame.documentCount(), 0);
    QTRY_COMPARE(menuBarNames(frame).at(1), QStringLiteral("Bearbeiten2"));
}

void TestMainForm::idleHookDrivesEditButtons()
{
    TMainForm frame;
    showAndActivate(frame);
    QAction* cut = frame.control(QStringLiteral("SBtnCut"));
    QAction* copy = frame.control(QStringLiteral("SBtnCopy"));
    QAction* undo = frame.control(QStringLiteral("SBtnUndo"));
    QAction* selectAll = frame.control(QStringLiteral("SBtnSelectAll"));
    runIdle();
    QVERIFY(!selectAll->isEnabled());
    QVERIFY(!cut->isEnabled() && !undo->isEnabled());

    TMDIChild* child = frame.createChild();
    child->TextMemo->setFocus();
    QTRY_VERIFY(child->TextMemo->hasFocus());
    runIdle();
    QVERIFY(selectAll->isEnabled());
    QVERIFY(!cut->isEnabled());
    QTest::keyClicks(child->TextMemo, QStringLiteral("Hallo"));
    runIdle();
    QVERIFY(undo->isEnabled());
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel4")),
             QStringLiteral("Geändert"));
    child->TextMemo->setSelStart(0);
    child->TextMemo->setSelLength(2);
    runIdle();
    QVERIFY(cut->isEnabled());
    QVERIFY(copy->isEnabled());
    child->TextMemo->setSelLength(0);
    runIdle();
    QVERIFY(!cut->isEnabled());

    child->closeWithoutQuery();
    runIdle();
    QVERIFY(!selectAll->isEnabled());
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel2")), QString());
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel4")), QString());
}

void TestMainForm::editButtonsForwardToTheActiveDocument()
{
    TMainForm frame;
    showAndActivate(frame);
    TMDIChild* child = frame.createChild();
    QTest::keyClicks(child->TextMemo, QStringLiteral("abc"));
    runIdle(); // enables the buttons that need a document
    frame.control(QStringLiteral("SBtnSelectAll"))->trigger();
    QCOMPARE(child->TextMemo->selLength(), 3);
    runIdle();
    frame.control(QStringLiteral("SBtnCut"))->trigger();
    QCOMPARE(child->TextMemo->text(), QString());
    runIdle();
    frame.control(QStringLiteral("SBtnPaste"))->trigger();
    frame.control(QStringLiteral("SBtnPaste"))->trigger();
    QCOMPARE(child->TextMemo->text(), QStringLiteral("abcabc"));
    frame.control(QStringLiteral("SBtnUndo"))->trigger();
    QCOMPARE(child->TextMemo->text(), QStringLiteral("abc"));
    // Without a document the buttons do nothing.
    child->closeWithoutQuery();
    QTRY_COMPARE(frame.documentCount(), 0);
    frame.control(QStringLiteral("SBtnPaste"))->trigger();
    frame.control(QStringLiteral("SBtnUndo"))->trigger();
}

void TestMainForm::hintHookAndHintSwitch()
{
    TMainForm frame;
    frame.show();
    QStatusTipEvent tip(QStringLiteral("Fügt einen Absatz ein"));
    QApplication::sendEvent(&frame, &tip);
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel3")),
             QStringLiteral("Fügt einen Absatz ein"));
    // A toolbar button's hint: short part as tooltip, long part in the status panel.
    QAction* cut = frame.control(QStringLiteral("SBtnCut"));
    QCOMPARE(cut->toolTip(), QStringLiteral("Auschneiden in die Zwischenablage"));
    cut->setStatusTip(QStringLiteral("langer Text"));
    frame.toolBar(3)->show();
    QWidget* button = frame.toolBar(3)->widgetForAction(cut);
    QStatusTipEvent fromButton(cut->statusTip());
    QApplication::sendEvent(button, &fromButton);
    QCOMPARE(frame.HintStatusBar1->panelText(QStringLiteral("HintStatusPanel3")),
             QStringLiteral("langer Text"));

    // With hints off the toolbars show no tooltips.
    auto tipShown = [button] {
        QToolTip::showText(QPoint(1, 1), QStringLiteral("vorher"));
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &help);
        return QToolTip::text() == QStringLiteral("Auschneiden in die Zwischenablage");
    };
    QVERIFY(tipShown());
    frame.shellState().hintsOn = false;
    QVERIFY(!tipShown());
    frame.FormActivate();
    QVERIFY(frame.HintStatusBar1->panel(QStringLiteral("HintStatusPanel2"))->toolTip().isEmpty());
    frame.shellState().hintsOn = true;
    frame.FormActivate();
    QVERIFY(!frame.HintStatusBar1->panel(QStringLiteral("HintStatusPanel2"))->toolTip().isEmpty());
}

void TestMainForm::everyShortcutHasExactlyOneCommand()
{
    TMainForm frame;
    showAndActivate(frame);
    QVERIFY(frame.createChild());
    // Every action in the frame's tree that the keyboard can reach (the frame's controls, the
    // document's items and context menu, the document window's system menu) is the only owner
    // of its key sequences.
    QHash<QString, QStringList> owners;
    // Mirrors carry the prefix "Frame" and live in the frame's own menus; a document's items
    // may start with it too ("Frame1", "Frameset1").
    auto mirrored = [](const QAction* action) {
        if (!action->objectName().startsWith(QStringLiteral("Frame")))
            return false;
        for (const QObject* o = action->parent(); o; o = o->parent())
            if (qobject_cast<const TMDIChild*>(o))
                return false;
        return true;
    };
    auto collect = [&](QAction* action) {
        if (!action->isVisible() || !reachable(action))
            return;
        for (const QKeySequence& key : action->shortcuts())
            owners[key.toString()] << action->objectName();
    };
    for (QAction* action : frame.findChildren<QAction*>())
        if (!mirrored(action))
            collect(action);
    QVERIFY(!owners.isEmpty());
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        QVERIFY2(it.value().size() == 1,
                 qPrintable(it.key() + QStringLiteral(": ") + it.value().join(QLatin1Char(','))));
    // The mirrored frame menus own no shortcuts at all, so they never shadow a document's.
    for (QAction* action : frame.findChildren<QAction*>())
        if (mirrored(action))
            QVERIFY2(action->shortcuts().isEmpty() || !action->isEnabled(),
                     qPrintable(action->objectName()));
    QCOMPARE(owners.value(QKeySequence(Qt::ALT | Qt::Key_Backspace).toString()).size(), 1);
}

void TestMainForm::commandKeysReachMenuItemsNotTheTextControl()
{
    TMainForm frame;
    showAndActivate(frame);
    TMDIChild* child = frame.createChild();
    TExtRich* memo = child->TextMemo;
    QTRY_VERIFY(memo->hasFocus());
    QTest::keyClicks(memo, QStringLiteral("eins"));
    // Ctrl+A and Ctrl+Y are no built-ins of the text control here: they open the font dialogs
    // of their items (cancelled here); Ctrl+Z and Ctrl+B run their menu items ("Ausrichtung
    // zentriert", "fett") instead of undo and nothing.
    QStringList opened;
    for (int i = 0; i < 2; ++i)
        whenModal([&opened](QWidget* w) {
            opened << w->objectName();
            qobject_cast<QDialog*>(w)->reject();
            return true;
        });
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(memo->selLength(), 0);
    showAndActivate(frame); // the test platform leaves no window active after a dialog
    QTest::keyClick(memo, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(memo->text(), QStringLiteral("eins"));
    QCOMPARE(opened, (QStringList{"DSchriftartAlle", "ColorDialog1"}));
    showAndActivate(frame);
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(memo->text(), QStringLiteral("eins<p align=\"center\"></p>"));
    QTest::keyClick(memo, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(memo->text(), QStringLiteral("eins<p align=\"center\"></p><b></b>"));
    // Undo stays on Alt+Backspace and undoes the typing through the menu item.
    int undone = 0;
    connect(child->action(QStringLiteral("Rckgngig2")), &QAction::triggered, this,
            [&undone] { ++undone; });
    QTest::keyClick(memo, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(undone, 1);
    QCOMPARE(memo->text(), QStringLiteral("eins<p align=\"center\"></p>"));
    // Select all runs once through its item, from the keyboard.
    int selected = 0;
    QAction* selectAll = child->action(QStringLiteral("SelectAll1"));
    connect(selectAll, &QAction::triggered, this, [&selected] { ++selected; });
    for (const QKeySequence& key : selectAll->shortcuts()) {
        QTest::keySequence(memo, key);
    }
    QCOMPARE(selected, int(selectAll->shortcuts().size()));
}

void TestMainForm::commandErrorIsReportedAndLoopGoesOn()
{
    TMainForm frame;
    frame.show();
    QString text;
    QString title;
    whenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            return false;
        text = box->text();
        title = box->windowTitle();
        box->accept();
        return true;
    });
    QTimer::singleShot(0, &frame,
                       [] { throw UserError(QStringLiteral("Kann Datei x nicht öffnen")); });
    QTRY_COMPARE(text, QStringLiteral("Kann Datei x nicht öffnen"));
    QCOMPARE(title, QStringLiteral("Tessaline 3.0 light 32"));
    QVERIFY(waitNoModal());
    // The loop goes on: the frame still works.
    TMDIChild* child = frame.createChild();
    QTest::keyClicks(child->TextMemo, QStringLiteral("weiter"));
    QCOMPARE(child->TextMemo->text(), QStringLiteral("weiter"));
}

void TestMainForm::escapeFromAMenuGivesTheKeysBack_data()
{
    QTest::addColumn<bool>("moveOn"); // to the next menu with the arrow key before Escape
    QTest::newRow("menu opened with Alt") << false;
    QTest::newRow("moved on to the next menu") << true;
}

void TestMainForm::escapeFromAMenuGivesTheKeysBack()
{
    QFETCH(bool, moveOn);
    TMainForm frame;
    showAndActivate(frame);
    frame.FileNewItemClick();
    TMDIChild* child = frame.activeChild();
    QTRY_COMPARE(QApplication::focusWidget(), child->TextMemo);
    QWindow* window = frame.windowHandle();
    // Alt+D opens "&Datei" from the menu bar, as a user would.
    QTest::keyClick(window, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    if (moveOn) {
        QWidget* first = QApplication::activePopupWidget();
        QTest::keyClick(window, Qt::Key_Right);
        QTRY_VERIFY(QApplication::activePopupWidget() &&
                    QApplication::activePopupWidget() != first);
    }
    // One Escape: the menu closes and the document has the keys again.
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTRY_COMPARE(QApplication::focusWidget(), child->TextMemo);
    QTest::keyClick(window, 'x');
    QTest::keyClick(window, 'y');
    QVERIFY2(child->TextMemo->toPlainText().contains("xy"),
             qPrintable(child->TextMemo->toPlainText()));
}

TESSALINE_TEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
