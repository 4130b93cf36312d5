// PageCheckRun: the page check in a worker thread, superseded runs stopped and dropped.
#include "editor/PageCheckRun.h"

#include <QThread>

PageCheckRun::PageCheckRun(QObject* parent) : QObject(parent)
{
    m_poll.setInterval(100);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        if (m_current)
            emit progress(m_current->control.percent);
    });
}

PageCheckRun::~PageCheckRun()
{
    for (const std::shared_ptr<Job>& job : std::as_const(m_jobs)) {
        job->control.stop = true;
        job->thread->wait();
        delete job->thread;
    }
}

void PageCheckRun::start(PageCheck::Page page, quint64 tag)
{
    stop();
    auto job = std::make_shared<Job>();
    job->tag = tag;
    Job* raw = job.get();
    job->thread = QThread::create(
        [raw, page = std::move(page)] { raw->findings = PageCheck::check(page, &raw->control); });
    // Tidy's parser recurses along the nesting of the page.
    job->thread->setStackSize(32 * 1024 * 1024);
    connect(job->thread, &QThread::finished, this, [this, job] { jobEnded(job); });
    m_jobs.append(job);
    m_current = job;
    job->thread->start(QThread::LowPriority);
    m_poll.start();
    emit progress(0);
}

void PageCheckRun::stop()
{
    if (!m_current)
        return;
    m_current->control.stop = true;
    m_current.reset();
    m_poll.stop();
}

void PageCheckRun::jobEnded(const std::shared_ptr<Job>& job)
{
    m_jobs.removeOne(job);
    job->thread->deleteLater();
    if (job != m_current)
        return;
    m_current.reset();
    m_poll.stop();
    emit finished(job->findings, job->tag);
}
