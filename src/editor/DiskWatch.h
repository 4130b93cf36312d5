// DiskWatch: notices when another program changes or deletes a document's file.
#pragma once

#include "platform/FileIo.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

// A file-system watcher shared by every document reports changes at once; the comparison with
// what the window last read or wrote decides whether they came from elsewhere.
class DiskWatch : public QObject
{
    Q_OBJECT
public:
    enum class Change { None, Changed, Deleted };

    explicit DiskWatch(QObject* parent = nullptr);
    ~DiskWatch() override;

    // The file as the window has just read or written it; watching follows it.
    void remember(const QString& path, const FileStamp& stamp);
    // How the file on disk differs from what the window last read or wrote.
    Change change();
    // Like change(), but None when the user has been told about the file's present state
    // already; otherwise that state counts as told from now on.
    Change newChange();

signals:
    // The file was written, replaced or deleted, by the window itself or by another program;
    // several reports in quick succession arrive as one.
    void touched();

private:
    void unwatch();

    QString m_path;
    FileStamp m_known;
    std::optional<FileStamp> m_told;
    QTimer m_settle;
};
