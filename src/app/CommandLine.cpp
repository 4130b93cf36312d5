// The program's command line: help, version, Qt's own options and the one file to open.
#include "app/CommandLine.h"

#include "platform/ErrorReport.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>

namespace
{

// Options QGuiApplication and QApplication read themselves; the ones with a value take it as
// the next argument.
constexpr const char* qtValueOptions[] = {
    "platform",        "platformpluginpath",
    "platformtheme",   "plugin",
    "qwindowgeometry", "qwindowicon",
    "qwindowtitle",    "display",
    "geometry",        "style",
    "stylesheet",      "session",
};
constexpr const char* qtFlagOptions[] = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

constexpr int UsageExitCode = 2;

QString programName(const QStringList& arguments)
{
    const QString name =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("tessaline") : name;
}

QString usageLine(const QString& program)
{
    return QStringLiteral("Aufruf: %1 [Optionen] [Datei]\n").arg(program);
}

QString helpText(const QString& program)
{
    return usageLine(program) +
           QStringLiteral("%1 – Quelltext-Editor für HTML-Seiten.\n"
                          "\n"
                          "Optionen:\n"
                          "  -h, --help     Zeigt diese Hilfe an und beendet das Programm.\n"
                          "  -v, --version  Zeigt die Version an und beendet das Programm.\n"
                          "  Dazu kommen die Optionen von Qt, etwa -platform, -style und "
                          "-reverse.\n"
                          "\n"
                          "Argumente:\n"
                          "  Datei          Wird beim Start geöffnet; weitere Dateinamen werden "
                          "nicht beachtet.\n"
                          "                 Ein Dateiname, der mit - beginnt, steht hinter --.\n")
               .arg(AppInfo::Title);
}

// The unknown option as the user wrote it, with one dash or two and without its value.
QString asTyped(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        const QString bare = argument.section(QLatin1Char('='), 0, 0);
        if (bare == QLatin1Char('-') + name || bare == QStringLiteral("--") + name)
            return bare;
    }
    return QStringLiteral("--") + name;
}

CommandLine refuse(const QString& program, const QString& reason)
{
    CommandLine result;
    result.action = CommandLine::Action::Refuse;
    result.exitCode = UsageExitCode;
    result.output = program + QStringLiteral(": ") + reason + QLatin1Char('\n') +
                    usageLine(program) +
                    QStringLiteral("„%1 --help“ zeigt alle Optionen.\n").arg(program);
    return result;
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    const QString program = programName(arguments);
    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform"), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qtValueOptions)
        parser.addOption(
            QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("wert")));
    for (const char* name : qtFlagOptions)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return refuse(
                program,
                QStringLiteral("Unbekannte Option „%1“.").arg(asTyped(arguments, unknown.first())));
        }
        return refuse(program, QStringLiteral("Einer Option fehlt ihr Wert."));
    }

    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Print;
        result.output = helpText(program);
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::Print;
        result.output =
            QStringLiteral("%1, Version %2\n").arg(QStringLiteral("Tessaline"), AppInfo::Version);
    } else if (!parser.positionalArguments().isEmpty()) {
        result.file = parser.positionalArguments().first();
    }
    return result;
}
