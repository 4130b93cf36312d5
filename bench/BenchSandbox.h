// Benchmarks run against a private settings file and temporary data directories, never the user's.
#pragma once

#include "core/SettingsStore.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

class BenchSandbox
{
public:
    BenchSandbox()
    {
        if (!m_dir.isValid()) {
            // Without a sandbox the figures would come from the user's own settings: stop.
            std::fprintf(stderr, "no temporary directory\n");
            std::exit(1);
        }
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        SettingsStore::useFile(m_dir.filePath(QStringLiteral("settings.ini")));
        // The tip window would wait for a click at the frame's start.
        SettingsStore().writeBool(QStringLiteral("TipsDialog"), QStringLiteral("DialogZeigen"),
                                  false);
    }
    ~BenchSandbox() { SettingsStore::useFile(QString()); }
    BenchSandbox(const BenchSandbox&) = delete;
    BenchSandbox& operator=(const BenchSandbox&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
