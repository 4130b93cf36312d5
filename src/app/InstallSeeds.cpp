// Values an installation provides: written at each start where absent, never over a stored one.
#include "app/InstallSeeds.h"

#include "core/SettingsStore.h"
#include "platform/ErrorReport.h"
#include "platform/UserError.h"
#include "references/SampleFiles.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
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

bool drawsFixedPitch(const QString& family)
{
    QFont font(family);
    font.setPointSize(10);
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(u'W');
    return advance > 0 && metrics.horizontalAdvance(u'i') == advance &&
           metrics.horizontalAdvance(u'.') == advance && metrics.horizontalAdvance(u'M') == advance;
}

QString defaultEditorFont()
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QString resolved = QFontInfo(fixed).family();
    if (resolved.isEmpty())
        resolved = fixed.family();
    if (drawsFixedPitch(resolved))
        return resolved;
    // The desktop's monospace choice can resolve to a proportional family when its configured
    // font is missing; any installed family with even letters is better then.
    for (const QString& family : QFontDatabase::families())
        if (drawsFixedPitch(family))
            return family;
    return resolved;
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

void seedSampleFiles(QWidget* parent, const QString& urlListDir, const QString& plugInDir)
{
    try {
        installSampleFiles(urlListDir, plugInDir);
    } catch (const UserError& error) {
        reportError(parent, error.text());
    }
}
