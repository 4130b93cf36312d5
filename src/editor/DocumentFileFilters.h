// The file kinds offered by the open and save dialogs, HTML documents first.
#pragma once

#include <QStringList>

inline const QStringList& documentFileFilters()
{
    // "Alle Dateien" matches names without a dot too, as users expect outside Windows.
    static const QStringList filters{
        QStringLiteral("HTML-Dokumente (*.htm *.html *.shtml)"),
        QStringLiteral("Internet Database Connector (*.idc)"),
        QStringLiteral("HTML-Stilvorlagen (*.htx)"),
        QStringLiteral("Text (*.txt)"),
        QStringLiteral("Rich Text Format (*.rtf)"),
        QStringLiteral("Tessaline PlugIns/Urls/Listen (*.plg *.url *.lst)"),
        QStringLiteral("Konfiguration/Setup (*.ini *.inf)"),
        QStringLiteral("Stapelverarbeitung (*.bat)"),
        QStringLiteral("Alle Dateien (*)"),
    };
    return filters;
}
