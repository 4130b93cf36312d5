// Starting external programs without a shell, with the classic start result codes.
#include "platform/ProgramStart.h"

#include "platform/FileIo.h"
#include "platform/UserError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ProgramStart
{

namespace
{

bool hasDirectory(const QString& program)
{
    return program.contains(QLatin1Char('/')) || program.contains(QLatin1Char('\\'));
}

// Whether the file starts like something the system can run (a script or an ELF program).
bool looksRunnable(const QString& path)
{
    QFile file(path);
    try {
        // A FIFO or device would block the read for good.
        openRegularFile(file, path);
    } catch (const UserError&) {
        return true; // cannot tell: leave it to the access error
    }
    const QByteArray head = file.read(4);
    return head.startsWith("#!") || head == "\x7f"
                                            "ELF";
}

} // namespace

int start(const QString& program, const QStringList& arguments, const QString& workingDirectory)
{
    if (program.trimmed().isEmpty())
        return FileNotFound;
    if (!workingDirectory.isEmpty() && !QFileInfo(workingDirectory).isDir())
        return PathNotFound;
    QString resolved = program;
    if (hasDirectory(program)) {
        const QFileInfo info(program);
        if (!info.absoluteDir().exists())
            return PathNotFound;
        if (!info.exists())
            return FileNotFound;
        if (info.isDir() || !info.isExecutable())
            return AccessDenied;
        // Checked against the current directory, so started from there, not from the working
        // directory the process changes into first.
        resolved = info.absoluteFilePath();
    } else {
        resolved = QStandardPaths::findExecutable(program);
        if (resolved.isEmpty())
            return FileNotFound;
    }
    QProcess process;
    process.setProgram(resolved);
    process.setArguments(arguments);
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        if (process.error() != QProcess::FailedToStart)
            return 0;
        return looksRunnable(resolved) ? AccessDenied : InvalidProgram;
    }
    return Success;
}

QString errorText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("Zu wenig Speicher");
    case 2:
        return QStringLiteral("Auszuführendes Programm nicht gefunden");
    case 3:
        return QStringLiteral("Pfad zum Programm nicht gefunden");
    case 5:
        return QStringLiteral("Zugriffsfehler/Netzwerk-Zugriffsverletzung");
    case 6:
        return QStringLiteral("Windows-Speicherfehler");
    case 8:
        return QStringLiteral("Zu wenig Speicher für Anwendung");
    case 10:
        return QStringLiteral("Falsche Windows-Version");
    case 11:
        return QStringLiteral("Ungültige EXE-Datei");
    case 12:
        return QStringLiteral("Programm für anderes Betriebssystem");
    case 13:
        return QStringLiteral("DOS-4.0-Anwendung");
    case 14:
        return QStringLiteral("Unbekanntes EXE-Format");
    case 15:
        return QStringLiteral("Windows 1.x/2.x-Anwendung");
    case 16:
        return QStringLiteral("Programm bereits aktiv");
    case 19:
        return QStringLiteral("Komprimierte Datei");
    case 20:
        return QStringLiteral("DLL-Fehler");
    case 21:
        return QStringLiteral("Anwendung benötigt Win32-Extension");
    default:
        return QStringLiteral("Unbekannter Fehler (Nummer %1)").arg(code);
    }
}

} // namespace ProgramStart
