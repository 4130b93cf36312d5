// The Tools menu: reading the tool list, building the menu and starting a tool without a shell.
#include "app/Tools.h"

#include "core/SettingsStore.h"
#include "core/ShellState.h"
#include "platform/ErrorReport.h"
#include "platform/Paths.h"
#include "platform/ProgramStart.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>

void readToolList(ShellState& state, const SettingsStore& store)
{
    const QString section = QStringLiteral("Tools");
    const QString def = QStringLiteral("Default");
    state.toolCount =
        store.readListSize(section, QStringLiteral("Count"), SettingsStore::CountForm::EntryCount);
    for (int i = 0; i < state.toolCount; ++i) {
        if (state.tools.size() <= i)
            state.tools.append({QStringLiteral("leer"), QStringLiteral("leer"),
                                QStringLiteral("leer"), QStringLiteral("leer")});
        const QString n = QString::number(i);
        state.tools[i] = {store.readString(section, QStringLiteral("Name") + n, def),
                          store.readString(section, QStringLiteral("ExePfad") + n, def),
                          store.readString(section, QStringLiteral("ArbPfad") + n, def),
                          store.readString(section, QStringLiteral("Parameter") + n, def)};
    }
}

void fillToolsMenu(QMenu* tools1, ShellState& state, const SettingsStore& store,
                   std::function<void(int)> onTool)
{
    tools1->clear();
    readToolList(state, store);
    for (int i = 0; i < state.toolCount; ++i) {
        const QString& name = state.tools.at(i).name;
        auto* item = new QAction(tools1);
        item->setObjectName(QStringLiteral("Tool%1").arg(i));
        if (name == QLatin1String("-")) {
            // Without text: styles draw a separator's text beside its line.
            item->setSeparator(true);
        } else {
            item->setText(name);
            // Set directly: a user's tool name is shown as typed, without hint markup.
            const QString hint = QStringLiteral("Startet das Programm ") + name;
            item->setToolTip(hint);
            item->setStatusTip(hint);
            QObject::connect(item, &QAction::triggered, tools1, [onTool, i] {
                if (onTool)
                    onTool(i);
            });
            // A tool without a program is not set up yet: there is nothing it could start.
            item->setEnabled(!isMissingText(state.tools.at(i).program));
        }
        tools1->addAction(item);
    }
    if (state.toolCount <= 0) {
        auto* none = tools1->addAction(
            QStringLiteral("Keine Programme eingerichtet – hinzufügen unter „Einstellungen“ "
                           "(F10), Seite „Tools“"));
        none->setObjectName(QStringLiteral("ToolsLeer"));
        none->setEnabled(false);
    }
}

QStringList splitShellWords(const QString& text)
{
#ifdef Q_OS_WIN
    // Windows paths are full of backslashes; there they are plain characters.
    constexpr bool backslashEscapes = false;
#else
    constexpr bool backslashEscapes = true;
#endif
    QStringList words;
    QString word;
    bool inWord = false;
    enum { Plain, Single, Double } quote = Plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool hasNext = i + 1 < text.size();
        if (quote == Single) {
            if (c == QLatin1Char('\''))
                quote = Plain;
            else
                word += c;
        } else if (quote == Double) {
            if (c == QLatin1Char('"')) {
                quote = Plain;
            } else if (backslashEscapes && c == QLatin1Char('\\') && hasNext &&
                       QStringLiteral("\"\\$`\n").contains(text.at(i + 1))) {
                if (text.at(++i) != QLatin1Char('\n'))
                    word += text.at(i);
            } else {
                word += c;
            }
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == QLatin1Char('\''))
                quote = Single;
            else if (c == QLatin1Char('"'))
                quote = Double;
            else if (backslashEscapes && c == QLatin1Char('\\') && hasNext) {
                if (text.at(++i) != QLatin1Char('\n'))
                    word += text.at(i);
            } else
                word += c;
        }
    }
    // An unclosed quote runs to the end of the text rather than losing the word.
    if (inWord)
        words.append(word);
    return words;
}

ToolCommand toolCommand(const ToolEntry& tool)
{
#ifdef Q_OS_WIN
    const QChar separator = QLatin1Char('\\');
#else
    const QChar separator = QLatin1Char('/');
#endif
    // Only the program's file name counts: the tool is found in its working directory.
    const QString workingDir = enteredText(tool.workingDir);
    QString program = workingDir;
    if (!program.isEmpty() && !program.endsWith(separator))
        program += separator;
    program += fileNamePart(tool.program);
    // Missing parameters are none, not the word the store answers for them.
    return {program, splitShellWords(enteredText(tool.parameters)), workingDir};
}

bool runTool(QWidget* owner, const ToolEntry& tool)
{
    const ToolCommand command = toolCommand(tool);
    const int code =
        ProgramStart::start(command.program, command.arguments, command.workingDirectory);
    if (code > 32)
        return true;
    QApplication::beep();
    QMessageBox box(QMessageBox::Critical, AppInfo::Title,
                    QStringLiteral("Exec-Fehler! Fehlernummer %1:\n").arg(code) +
                        ProgramStart::errorText(code),
                    QMessageBox::Ok, owner);
    box.exec();
    return false;
}
