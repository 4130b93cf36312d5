// Starting the browsers: one program with one parameter, failures shown in a "Fehler" box.
#include "platform/ShellLaunch.h"

#include "platform/ProgramStart.h"

#include <QMessageBox>

bool launchInShell(QWidget* owner, const QString& program, const QString& parameter)
{
    // A path with blanks must reach the browser whole, so the parameter is never split.
    const QStringList arguments = parameter.isEmpty() ? QStringList() : QStringList{parameter};
    const int code = ProgramStart::start(program, arguments);
    if (code > 32)
        return true;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), ProgramStart::errorText(code),
                    QMessageBox::Ok, owner);
    box.exec();
    return false;
}
