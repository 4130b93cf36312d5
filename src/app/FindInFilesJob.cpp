// The search and the replacement across files, run outside the interface thread and stoppable.
#include "app/FindInFilesJob.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <thread>
#include <vector>

namespace FindInFiles
{

namespace
{

// How often the interface takes what the run found meanwhile.
constexpr int PollMs = 100;

int listedMax(const std::atomic_int& listable)
{
    return std::clamp(listable.load(), 0, MaxListedHitsPerFile);
}

} // namespace

Job::Job(QObject* parent) : QObject(parent)
{
    m_poll = new QTimer(this);
    m_poll->setInterval(PollMs);
    connect(m_poll, &QTimer::timeout, this, &Job::batchReady);
}

Job::~Job()
{
    stop();
    wait();
}

int Job::threadCount()
{
    return std::clamp(QThread::idealThreadCount(), 1, 4);
}

bool Job::isRunning() const
{
    return m_thread != nullptr;
}

void Job::stop()
{
    if (m_thread) {
        m_stop = true;
        m_stopped = true;
    }
}

void Job::wait()
{
    if (m_thread) {
        m_thread->wait();
        threadEnded();
    }
}

void Job::run(std::function<void()> work)
{
    stop();
    wait();
    m_stop = false;
    m_stopped = false;
    m_done = 0;
    m_total = 0;
    {
        QMutexLocker lock(&m_mutex);
        m_results.clear();
        m_skipped.clear();
        m_replaced.clear();
    }
    m_thread = QThread::create(std::move(work));
    connect(m_thread, &QThread::finished, this, &Job::threadEnded, Qt::QueuedConnection);
    m_poll->start();
    m_thread->start();
}

void Job::threadEnded()
{
    // Reached twice when a wait() comes before the queued signal: only the first counts.
    if (!m_thread || !m_thread->isFinished())
        return;
    delete m_thread;
    m_thread = nullptr;
    m_poll->stop();
    emit batchReady();
    emit finished();
}

void Job::startSearch(const Request& request)
{
    run([this, request] { searchFiles(request); });
}

void Job::startReplace(const QStringList& files, const Request& request, const QString& replacement)
{
    run([this, files, request, replacement] { replaceFiles(files, request, replacement); });
}

void Job::searchFiles(const Request& request)
{
    const TextMatcher matcher(request.findText, request.matchCase, request.wholeWord);
    const QDir folder(request.folder);
    FileListing listing =
        listFiles(request.folder, namePatterns(request.types), request.subfolders, m_stop);
    {
        QMutexLocker lock(&m_mutex);
        m_skipped += listing.skipped;
    }
    const QStringList& files = listing.files;
    m_total = int(files.size());

    // The files are shared out among the threads; results are handed on in the listing's order.
    std::vector<std::optional<FileResult>> pending(size_t(files.size()));
    std::vector<QString> reasons(size_t(files.size()));
    std::atomic<qsizetype> next{0};
    // Hits listed with their lines in all; beyond, only the counts go on.
    std::atomic_int listable{MaxListedHits};
    qsizetype published = 0;
    auto work = [&] {
        for (;;) {
            const qsizetype i = next.fetch_add(1);
            if (i >= files.size() || m_stop.load(std::memory_order_relaxed))
                return;
            const QString& path = files.at(i);
            FileResult result;
            QString reason;
            const QString& canonical = listing.canonicalFiles.at(i);
            if (const auto open = request.openTexts.constFind(canonical);
                open != request.openTexts.constEnd()) {
                result = searchText(*open, matcher, listedMax(listable));
                result.openDocument = true;
            } else {
                DecodedText decoded;
                reason = readForSearch(path, &decoded, nullptr, &matcher);
                if (reason.isEmpty())
                    result = searchText(decoded.text, matcher, listedMax(listable));
            }
            listable.fetch_sub(int(result.hits.size()));
            result.path = path;
            result.relative = folder.relativeFilePath(path);
            QMutexLocker lock(&m_mutex);
            pending[size_t(i)] = std::move(result);
            reasons[size_t(i)] = reason;
            while (published < files.size() && pending[size_t(published)]) {
                FileResult& ready = *pending[size_t(published)];
                if (!reasons[size_t(published)].isEmpty())
                    m_skipped.append({ready.path, reasons[size_t(published)]});
                else if (ready.hitCount > 0)
                    m_results.append(std::move(ready));
                pending[size_t(published)].reset();
                ++published;
            }
            m_done.fetch_add(1);
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threadCount() && t < files.size(); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
}

void Job::replaceFiles(const QStringList& files, const Request& request, const QString& replacement)
{
    const TextMatcher matcher(request.findText, request.matchCase, request.wholeWord);
    m_total = int(files.size());
    for (const QString& path : files) {
        if (m_stop.load(std::memory_order_relaxed))
            break;
        const FileReplacement outcome = replaceInFile(path, matcher, replacement);
        {
            QMutexLocker lock(&m_mutex);
            m_replaced.append({path, outcome.count, outcome.reason});
        }
        m_done.fetch_add(1);
    }
}

QList<FileResult> Job::takeResults()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_results, {});
}

QList<SkippedFile> Job::takeSkipped()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_skipped, {});
}

QList<Replaced> Job::takeReplaced()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_replaced, {});
}

} // namespace FindInFiles
