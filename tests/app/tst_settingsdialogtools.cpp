// Tests of the settings dialog's tool page and the tool editor with its program choice.
#include "app/ProgramChoice.h"
#include "app/SettingsDialog.h"
#include "app/ToolEditor.h"
#include "app/Tools.h"
#include "core/SettingsStore.h"
#include "support/TestSupport.h"
#include "widgets/DialogHelp.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

class TstSettingsDialogTools : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { QVERIFY(waitNoModal()); }

    void movesStopAtTheEnds_data();
    void movesStopAtTheEnds();
    void editingAMovedToolShowsItsOwnValues();
    void addAndDeleteWorkOnTheWorkingCopy();
    void okWritesTheToolListInItsOrder();
    void toolEditorNeedsATitle();
    void toolEditorKeepsMissingValuesMissing();
    void splitProgramPath_data();
    void splitProgramPath();
    void nameFiltersFromBarForm();
    void browseSplitsTheChosenProgram();
    void programFilterShowsExecutablesOnly();

private:
    QStringList names(const TEinstellungen& d) const
    {
        QStringList shown;
        for (int i = 0; i < d.PickList1->count(); ++i)
            shown << d.PickList1->item(i)->text();
        return shown;
    }
    // Answers the next tool editor: checks nothing, sets the fields given, presses OK or cancel.
    static void answerToolEditor(ToolEntry* seen, const ToolEntry* typed, bool ok)
    {
        whenModal([=](QWidget* w) {
            auto* editor = qobject_cast<TToolBearb*>(w);
            if (!editor)
                return false;
            if (seen)
                *seen = {editor->Edit1->text(), editor->Edit2->text(), editor->Edit3->text(),
                         editor->Edit4->text()};
            if (typed) {
                editor->Edit1->setText(typed->name);
                editor->Edit2->setText(typed->program);
                editor->Edit3->setText(typed->workingDir);
                editor->Edit4->setText(typed->parameters);
            }
            (ok ? editor->okButton() : editor->cancelButton())->click();
            return true;
        });
    }

    std::unique_ptr<TestEnvironment> m_env;
    ShellState m_state;
};

void TstSettingsDialogTools::init()
{
    m_env = std::make_unique<TestEnvironment>();
    SettingsStore store;
    store.writeString("Tools", "Count", "3");
    const char* tools[][4] = {
        {"Erster", "a.exe", "/a", "-1"}, {"-", "", "", ""}, {"Dritter", "c.exe", "/c", "-3"}};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i);
        store.writeString("Tools", "Name" + n, tools[i][0]);
        store.writeString("Tools", "ExePfad" + n, tools[i][1]);
        store.writeString("Tools", "ArbPfad" + n, tools[i][2]);
        store.writeString("Tools", "Parameter" + n, tools[i][3]);
    }
}

void TstSettingsDialogTools::movesStopAtTheEnds_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("selected");
    QTest::newRow("first up") << 0 << true << QStringList{"Erster", "-", "Dritter"} << 0;
    QTest::newRow("last down") << 2 << false << QStringList{"Erster", "-", "Dritter"} << 2;
    QTest::newRow("last up") << 2 << true << QStringList{"Erster", "Dritter", "-"} << 1;
    QTest::newRow("first down") << 0 << false << QStringList{"-", "Erster", "Dritter"} << 1;
    QTest::newRow("none selected down")
        << -1 << false << QStringList{"Erster", "-", "Dritter"} << -1;
}

void TstSettingsDialogTools::movesStopAtTheEnds()
{
    QFETCH(int, row);
    QFETCH(bool, up);
    QFETCH(QStringList, after);
    QFETCH(int, selected);
    TEinstellungen d({}, m_state);
    d.PickList1->setCurrentRow(row);
    (up ? d.SpeedButton6 : d.SpeedButton7)->click();
    QCOMPARE(names(d), after);
    QCOMPARE(d.PickList1->currentRow(), selected);
    QStringList working;
    for (const ToolEntry& tool : d.workingTools())
        working << tool.name;
    QCOMPARE(working, after);
}

void TstSettingsDialogTools::editingAMovedToolShowsItsOwnValues()
{
    TEinstellungen d({}, m_state);
    d.show();
    d.PickList1->setCurrentRow(2);
    d.SpeedButton6->click();
    d.SpeedButton6->click();
    QCOMPARE(names(d), (QStringList{"Dritter", "Erster", "-"}));
    QVERIFY(d.BitBtn6->isEnabled());

    ToolEntry seen;
    const ToolEntry typed{"&Dritter", "d.exe", "/d", ""};
    answerToolEditor(&seen, &typed, true);
    d.BitBtn6->click();
    QCOMPARE(seen.name, QString("Dritter"));
    QCOMPARE(seen.program, QString("c.exe"));
    QCOMPARE(seen.workingDir, QString("/c"));
    QCOMPARE(seen.parameters, QString("-3"));
    QCOMPARE(names(d), (QStringList{"&Dritter", "Erster", "-"}));
    QCOMPARE(d.PickList1->currentRow(), 0);
    QCOMPARE(d.workingTools().at(0).program, QString("d.exe"));
    QCOMPARE(d.workingTools().at(1).program, QString("a.exe"));
    // The shared values keep the last entry.
    QCOMPARE(toolEditorValues().workingDir, QString("/d"));

    // Cancel changes nothing.
    answerToolEditor(nullptr, &typed, false);
    d.PickList1->setCurrentRow(1);
    d.BitBtn6->click();
    QCOMPARE(d.workingTools().at(1).name, QString("Erster"));
    d.reject();
}

void TstSettingsDialogTools::addAndDeleteWorkOnTheWorkingCopy()
{
    TEinstellungen d({}, m_state);
    d.show();
    toolEditorValues() = {"alt", "alt", "alt", "alt"};
    ToolEntry seen{"x", "x", "x", "x"};
    const ToolEntry typed{"Prüfer", "chk", "/opt/chk", "-a"};
    answerToolEditor(&seen, &typed, true);
    d.BitBtn4->click();
    QCOMPARE(seen.name + seen.program + seen.workingDir + seen.parameters, QString());
    QCOMPARE(names(d), (QStringList{"Erster", "-", "Dritter", "Prüfer"}));
    QCOMPARE(d.workingTools().last().parameters, QString("-a"));

    // Deleting asks first; No keeps the entry.
    d.PickList1->setCurrentRow(1);
    QVERIFY(d.BitBtn5->isEnabled());
    QString question;
    answerMessageBox(QMessageBox::No, &question);
    d.BitBtn5->click();
    QCOMPARE(question, QString("Eintrag mit der Bezeichnung - löschen?"));
    QCOMPARE(d.workingTools().size(), 4);
    answerMessageBox(QMessageBox::Yes);
    d.BitBtn5->click();
    QCOMPARE(names(d), (QStringList{"Erster", "Dritter", "Prüfer"}));
    QCOMPARE(d.workingTools().at(1).name, QString("Dritter"));
    QVERIFY(!d.BitBtn5->isEnabled() && !d.BitBtn6->isEnabled());

    // Cancel: the store keeps its three tools.
    d.reject();
    QCOMPARE(SettingsStore().readInteger("Tools", "Count", -1), 3);
}

void TstSettingsDialogTools::okWritesTheToolListInItsOrder()
{
    {
        TEinstellungen d({}, m_state);
        d.PickList1->setCurrentRow(0);
        d.SpeedButton7->click();
        d.BitBtn1Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    const SettingsStore store;
    QCOMPARE(store.readInteger("Tools", "Count", -1), 3);
    QCOMPARE(store.readString("Tools", "Name0", ""), QString("-"));
    QCOMPARE(store.readString("Tools", "Name1", ""), QString("Erster"));
    QCOMPARE(store.readString("Tools", "ExePfad1", ""), QString("a.exe"));
    QCOMPARE(store.readString("Tools", "Parameter1", ""), QString("-1"));

    // Shrinking leaves the entries behind the count in the store.
    {
        TEinstellungen d({}, m_state);
        d.show();
        d.PickList1->setCurrentRow(2);
        answerMessageBox(QMessageBox::Yes);
        d.BitBtn5->click();
        d.BitBtn1Click();
    }
    const SettingsStore after;
    QCOMPARE(after.readInteger("Tools", "Count", -1), 2);
    QCOMPARE(after.readString("Tools", "Name2", ""), QString("Dritter"));
}

void TstSettingsDialogTools::toolEditorNeedsATitle()
{
    toolEditorValues() = {};
    TToolBearb editor({});
    editor.show();
    QCOMPARE(editor.windowTitle(), QString("Hinzufügen"));
    QCOMPARE(editor.okButton()->objectName(), QString("BitBtn2"));
    QCOMPARE(editor.helpButton()->objectName(), QString("BitBtn4"));
    QCOMPARE(editor.helpTopic(), 333);
    QVERIFY(editor.Edit1->toolTip().contains("Ein - erzeugt einen Menüteiler"));
    QCOMPARE(editor.Edit1->toolTip().count('\n'), 3);
    editor.Edit2->setText("prog");
    QString text;
    answerMessageBox(QMessageBox::Ok, &text);
    editor.okButton()->click();
    QVERIFY(!text.isEmpty());
    QVERIFY(editor.isVisible());
    QCOMPARE(toolEditorValues().program, QString()); // nothing taken over
    editor.Edit1->setText("-");
    editor.okButton()->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(toolEditorValues().program, QString("prog"));
}

void TstSettingsDialogTools::toolEditorKeepsMissingValuesMissing()
{
    // The store's word for missing values shows as nothing and stays missing through OK.
    toolEditorValues() = {"Prüfer", "Default", "Default", "-v"};
    TToolBearb editor({});
    QVERIFY(editor.Edit2->text().isEmpty() && editor.Edit3->text().isEmpty());
    editor.Edit4->clear(); // a value the user empties is empty
    editor.okButton()->click();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(toolEditorValues().program, QString("Default"));
    QCOMPARE(toolEditorValues().workingDir, QString("Default"));
    QCOMPARE(toolEditorValues().parameters, QString());
    // Missing parameters and working directory start the program without the word.
    const ToolCommand command = toolCommand({"Prüfer", "prog", "Default", "Default"});
    QVERIFY(command.arguments.isEmpty());
    QVERIFY(command.workingDirectory.isEmpty());
    QCOMPARE(command.program, QString("prog")); // not "/prog" at the root
}

void TstSettingsDialogTools::splitProgramPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("directory");
    QTest::newRow("windows") << "C:\\Tools\\chk.exe"
                             << "chk.exe"
                             << "C:\\Tools";
    QTest::newRow("drive root") << "C:\\chk.exe"
                                << "chk.exe"
                                << "C:";
    QTest::newRow("drive only") << "C:chk.exe"
                                << "chk.exe"
                                << "C:";
    QTest::newRow("posix") << "/usr/local/bin/tidy"
                           << "tidy"
                           << "/usr/local/bin";
    QTest::newRow("posix root") << "/tidy"
                                << "tidy"
                                << "";
    QTest::newRow("name only") << "tidy"
                               << "tidy"
                               << "";
}

void TstSettingsDialogTools::splitProgramPath()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QFETCH(QString, directory);
    const ProgramChoice::ProgramParts parts = ProgramChoice::splitProgramPath(path);
    QCOMPARE(parts.name, name);
    QCOMPARE(parts.directory, directory);
}

void TstSettingsDialogTools::nameFiltersFromBarForm()
{
    QCOMPARE(ProgramChoice::nameFilters("Anwendungen|*.exe;*.com;*.pif|Alle Dateien|*.*"),
             (QStringList{"Anwendungen (*.exe *.com *.pif)", "Alle Dateien (*.*)"}));
    QCOMPARE(ProgramChoice::nameFilters("Anwendungen|*.exe|Alle Dateien"),
             QStringList{"Anwendungen (*.exe)"});
    QVERIFY(
        ProgramChoice::nameFilters(ProgramChoice::ToolFilter).first().startsWith("Anwendungen ("));
}

void TstSettingsDialogTools::browseSplitsTheChosenProgram()
{
    const QString dir = m_env->path("Tools");
    QVERIFY(QDir().mkpath(dir));
    const QString program = dir + "/chk.exe";
    {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    toolEditorValues() = {"Prüfer", "alt.exe", "/alt", "-x"};
    TToolBearb editor({});
    editor.show();
    QCOMPARE(editor.Edit4->text(), QString("-x"));
    QStringList filters;
    answerFileDialog(program, nullptr, &filters); // accepting validates like the Open button
    editor.BitBtn1->click();
    QVERIFY(filters.join(',').startsWith("Anwendungen"));
    QCOMPARE(editor.Edit2->text(), QString("chk.exe"));
    QCOMPARE(editor.Edit3->text(), QDir::toNativeSeparators(dir));

    // A cancelled choice leaves both fields.
    whenModal([&](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        if (!files)
            return false;
        files->reject();
        return true;
    });
    editor.BitBtn1->click();
    QCOMPARE(editor.Edit2->text(), QString("chk.exe"));
    editor.reject();
}

void TstSettingsDialogTools::programFilterShowsExecutablesOnly()
{
#ifdef Q_OS_WIN
    QSKIP("Windows filters programs by extension");
#else
    const QString dir = m_env->path("bin");
    QVERIFY(QDir().mkpath(dir));
    for (const char* name : {"browser", "liesmich.txt"}) {
        QFile file(dir + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (QString(name) == "browser")
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    auto visibleNames = [](QFileDialog* files) {
        QStringList shown;
        QAbstractItemView* view = files->findChild<QAbstractItemView*>("listView");
        if (!view)
            return shown;
        QAbstractItemModel* model = view->model();
        const QModelIndex root = view->rootIndex();
        for (int r = 0; r < model->rowCount(root); ++r)
            shown << model->index(r, 0, root).data().toString();
        shown.sort();
        return shown;
    };
    QStringList programsOnly, everything;
    bool switched = false;
    whenModal([&](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        if (!files)
            return false;
        // The folder is read in the background: wait for its entries.
        if (!switched) {
            programsOnly = visibleNames(files);
            if (programsOnly.isEmpty())
                return false;
            switched = true;
            files->selectNameFilter(files->nameFilters().last());
            emit files->filterSelected(files->nameFilters().last());
            return false;
        }
        everything = visibleNames(files);
        if (everything.size() < 2)
            return false;
        files->reject();
        return true;
    });
    QCOMPARE(ProgramChoice::chooseProgram(nullptr, ProgramChoice::BrowserFilter, dir), QString());
    QCOMPARE(programsOnly, QStringList{"browser"});
    QCOMPARE(everything, (QStringList{"browser", "liesmich.txt"}));
#endif
}

TESSALINE_TEST_MAIN(TstSettingsDialogTools)
#include "tst_settingsdialogtools.moc"
