// PageCheckRun: runs the page check in a worker thread on a copy of the text, one run at a time;
// a newer run supersedes an older one, whose findings never arrive.
#pragma once

#include "editor/PageCheck.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <memory>

class QThread;

class PageCheckRun : public QObject
{
    Q_OBJECT
public:
    explicit PageCheckRun(QObject* parent = nullptr);
    // Stops every run still going and waits for it.
    ~PageCheckRun() override;

    // Checks page; a run still going is stopped and its findings dropped. tag comes back with
    // the findings.
    void start(PageCheck::Page page, quint64 tag);
    // The current run ends early; its findings are dropped.
    void stop();
    bool isRunning() const { return m_current != nullptr; }

signals:
    void finished(const QList<PageCheck::Finding>& findings, quint64 tag);
    // While a run goes on: how far it has got, 0 to 100.
    void progress(int percent);

private:
    struct Job {
        PageCheck::Control control;
        QList<PageCheck::Finding> findings;
        QThread* thread = nullptr;
        quint64 tag = 0;
    };
    void jobEnded(const std::shared_ptr<Job>& job);

    std::shared_ptr<Job> m_current;
    QList<std::shared_ptr<Job>> m_jobs; // every thread not yet ended, stopped ones included
    QTimer m_poll;
};
