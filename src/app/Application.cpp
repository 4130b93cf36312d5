// TessalineApplication: the Qt application with German standard texts and the general error report.
#include "app/Application.h"

#include "app/CommandBindings.h"
#include "core/SettingsStore.h"
#include "platform/ErrorReport.h"
#include "platform/UserError.h"

#include <QLibraryInfo>
#include <QTranslator>

TessalineApplication::TessalineApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Orvanto"));
    setApplicationName(QStringLiteral("TessalineL"));
    setApplicationVersion(AppInfo::Version);
    // The user interface is German, so the standard dialogs' buttons are too.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    bindCommands();
}

bool TessalineApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const UserError& error) {
        reportError(nullptr, error.text());
    } catch (const SettingsError& error) {
        reportError(nullptr, QString::fromStdString(error.what()));
    } catch (const std::exception& error) {
        reportError(nullptr, QString::fromLocal8Bit(error.what()));
    }
    return false;
}
