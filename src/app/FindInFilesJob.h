// The search and the replacement across files, run outside the interface thread and stoppable.
#pragma once

#include "app/FindInFilesEngine.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <atomic>

class QThread;
class QTimer;

namespace FindInFiles
{

struct Request {
    QString folder;
    QString types;
    bool subfolders = true;
    QString findText;
    bool matchCase = false;
    bool wholeWord = false;
    // Texts of the open documents by their files' canonical paths, lines separated by '\n':
    // these are searched instead of what is on disk.
    QHash<QString, QString> openTexts;
};

// Outcome of a replacement in one file on disk.
struct Replaced {
    QString path;
    int count = 0;
    QString reason; // empty when written (or nothing to replace)
};

// One run at a time: a search over a folder, or the replacement in a list of files. Results are
// collected by the worker and handed out in batches while it runs (batchReady), so the interface
// thread only ever waits for a lock held for one append.
class Job : public QObject
{
    Q_OBJECT
public:
    explicit Job(QObject* parent = nullptr);
    ~Job() override; // stops the run and waits for it

    void startSearch(const Request& request);
    void startReplace(const QStringList& files, const Request& request, const QString& replacement);
    void stop();
    bool isRunning() const;
    bool wasStopped() const { return m_stopped; }
    // Blocks until the run has ended (tests and shutdown).
    void wait();

    // What the run found since the last call.
    QList<FileResult> takeResults();
    QList<SkippedFile> takeSkipped();
    QList<Replaced> takeReplaced();
    int filesDone() const { return m_done.load(); }
    int filesTotal() const { return m_total.load(); }
    // Threads the search uses at most.
    static int threadCount();

signals:
    void batchReady();
    void finished();

private:
    void run(std::function<void()> work);
    void searchFiles(const Request& request);
    void replaceFiles(const QStringList& files, const Request& request, const QString& replacement);
    void threadEnded();

    QThread* m_thread = nullptr;
    QTimer* m_poll = nullptr;
    std::atomic_bool m_stop{false};
    bool m_stopped = false;
    std::atomic_int m_done{0};
    std::atomic_int m_total{0};
    mutable QMutex m_mutex;
    QList<FileResult> m_results;
    QList<SkippedFile> m_skipped;
    QList<Replaced> m_replaced;
};

} // namespace FindInFiles
