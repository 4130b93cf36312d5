// Values an installation provides: written at each start where absent, never over a stored one.
#include "app/InstallSeeds.h"

#include "core/SettingsStore.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QStandardPaths>

QString defaultBrowserProgram()
{
#ifdef Q_OS_WIN
    const QString explorer = QStandardPaths::findExecutable(QStringLiteral("explorer"));
    return explorer.isEmpty() ? QStringLiteral("C:\\Windows\\explorer.exe") : explorer;
#else
    for (const char* opener : {"xdg-open", "sensible-browser", "x-www-browser"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(opener));
        if (!found.isEmpty())
            return found;
    }
    return QStringLiteral("/usr/bin/xdg-open");
#endif
}

QString defaultEditorFont()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QString resolved = QFontInfo(fixed).family();
    return resolved.isEmpty() ? fixed.family() : resolved;
}

namespace
{

void seedString(SettingsStore& store, const char* section, const QString& name,
                const QString& value)
{
    const QString s = QString::fromLatin1(section);
    if (!store.hasValue(s, name))
        store.writeString(s, name, value);
}

void seed(SettingsStore& store, const char* section, const char* name, const QString& value)
{
    seedString(store, section, QString::fromLatin1(name), value);
}

} // namespace

void seedMissingValues(SettingsStore& store)
{
    seed(store, "Optionen", "AutoBackUp", QStringLiteral("60000"));
    seed(store, "Optionen", "AutoSave", QStringLiteral("120000"));
    seed(store, "Optionen", "BackUpExt", QStringLiteral(".bak"));
    seed(store, "Optionen", "FontName", defaultEditorFont());
    seed(store, "Optionen", "FontSize", QStringLiteral("10"));
    seed(store, "Optionen", "FontColor", QStringLiteral("clBlack"));
    seed(store, "Optionen", "Background", QStringLiteral("clWhite"));
    seed(store, "Optionen", "Align", QStringLiteral("left"));
    seed(store, "Optionen", "fsBold", QStringLiteral("0"));
    seed(store, "Optionen", "fsItalic", QStringLiteral("0"));
    seed(store, "Optionen", "fsUnderline", QStringLiteral("0"));
    seed(store, "History", "MaxCount", QStringLiteral("7"));
    for (const char* list : {"Link", "Target", "InlineImage", "BackPicture"})
        seed(store, list, "MaxCount", QStringLiteral("20"));
    if (!store.hasValue(QStringLiteral("Target"), QStringLiteral("T0"))) {
        const QStringList targets{QStringLiteral("_blank"), QStringLiteral("_self"),
                                  QStringLiteral("_parent"), QStringLiteral("_top"),
                                  QStringLiteral("inhalt")};
        for (int i = 0; i < targets.size(); ++i)
            seedString(store, "Target", QStringLiteral("T%1").arg(i), targets.at(i));
        seed(store, "Target", "Count", QStringLiteral("4"));
    }
    if (!store.hasValue(QStringLiteral("Browser"), QStringLiteral("Browser1Select"))) {
        seed(store, "Browser", "Browser1Select", QStringLiteral("1"));
        seed(store, "Browser", "Browser1", defaultBrowserProgram());
        seed(store, "Browser", "Browser2Select", QStringLiteral("0"));
        seed(store, "Browser", "Browser2", QString());
    }
}
