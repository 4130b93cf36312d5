// Benchmarks run against a private settings file and temporary data directories, never the user's.
#pragma once

#include "app/SettingsStore.h"

#include <QTemporaryDir>

class BenchSandbox {
public:
    BenchSandbox()
    {
        if (!m_dir.isValid())
            return;
        qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
        SettingsStore::useFile(m_dir.filePath(QStringLiteral("settings.ini")));
    }
    ~BenchSandbox() { SettingsStore::useFile(QString()); }
    BenchSandbox(const BenchSandbox&) = delete;
    BenchSandbox& operator=(const BenchSandbox&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
