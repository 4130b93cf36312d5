// DiskWatch: notices when another program changes or deletes a document's file.
#include "editor/DiskWatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QPointer>

namespace
{

// One watcher for all documents: each one costs the system a notification handle, and the
// number of those per user is small.
struct SharedWatcher {
    QPointer<QFileSystemWatcher> watcher;
    QHash<QString, int> users;
};

SharedWatcher& shared()
{
    static SharedWatcher s;
    if (!s.watcher) {
        s.users.clear();
        s.watcher = new QFileSystemWatcher(QCoreApplication::instance());
        // A file replaced by a rename (every atomic save does that, ours too) drops out of the
        // watch list; its successor is watched again.
        QObject::connect(s.watcher, &QFileSystemWatcher::fileChanged, s.watcher,
                         [](const QString& path) {
                             SharedWatcher& w = shared();
                             if (w.users.contains(path) && !w.watcher->files().contains(path) &&
                                 QFileInfo::exists(path))
                                 w.watcher->addPath(path);
                         });
    }
    return s;
}

// The path as the watcher keys it, so two spellings of one file meet.
QString watchKey(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Size and time of the file as it is now; an absent file has neither.
FileStamp presentState(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified(), 0};
}

} // namespace

DiskWatch::DiskWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(100);
    connect(&m_settle, &QTimer::timeout, this, &DiskWatch::touched);
    connect(shared().watcher, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        if (!m_path.isEmpty() && path == watchKey(m_path))
            m_settle.start();
    });
}

DiskWatch::~DiskWatch()
{
    unwatch();
}

void DiskWatch::unwatch()
{
    if (m_path.isEmpty())
        return;
    SharedWatcher& w = shared();
    const QString key = watchKey(m_path);
    if (--w.users[key] <= 0) {
        w.users.remove(key);
        w.watcher->removePath(key);
    }
    m_path.clear();
}

void DiskWatch::remember(const QString& path, const FileStamp& stamp)
{
    if (path != m_path) {
        unwatch();
        m_path = path;
        ++shared().users[watchKey(path)];
    }
    SharedWatcher& w = shared();
    const QString key = watchKey(path);
    if (!w.watcher->files().contains(key) && QFileInfo::exists(key))
        w.watcher->addPath(key);
    m_known = stamp;
    m_told.reset();
}

DiskWatch::Change DiskWatch::change()
{
    if (m_path.isEmpty() || fileMatchesStamp(m_path, m_known))
        return Change::None;
    return QFileInfo::exists(m_path) ? Change::Changed : Change::Deleted;
}

DiskWatch::Change DiskWatch::newChange()
{
    const Change now = change();
    if (now == Change::None) {
        m_told.reset();
        return now;
    }
    if (m_told && fileMatchesStamp(m_path, *m_told))
        return Change::None;
    m_told = presentState(m_path);
    return now;
}
