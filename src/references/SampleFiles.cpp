// The URL lists and plug-in tag files a new installation starts with.
#include "references/SampleFiles.h"

#include "platform/FileIo.h"
#include "references/EntryListWindow.h"

#include <QDir>

// The samples live in a static library, where nothing else would pull their resource in.
static void loadSampleResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(samples);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace
{

const QString SampleRoot = QStringLiteral(":/samples");

void installInto(const QString& dir, const QString& pattern)
{
    if (dir.isEmpty() || !listFileNames(dir, pattern).isEmpty())
        return;
    QDir().mkpath(dir);
    for (const QString& name : sampleFileNames(pattern)) {
        QByteArray bytes = readWholeFile(SampleRoot + QLatin1Char('/') + name);
        bytes.replace("\r\n", "\n");
        bytes.replace("\n", "\r\n");
        writeFileAtomically(QDir(dir).filePath(name), bytes);
    }
}

} // namespace

QStringList sampleFileNames(const QString& pattern)
{
    loadSampleResources();
    return QDir(SampleRoot).entryList({pattern}, QDir::Files, QDir::Name);
}

void installSampleFiles(const QString& urlListDir, const QString& plugInDir)
{
    installInto(urlListDir, QStringLiteral("*.url"));
    installInto(plugInDir, QStringLiteral("*.plg"));
}
