// Plays the writer of a FIFO for a test that must not hang should the code under test wait in
// the open call for one.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

class FifoRescue
{
public:
    explicit FifoRescue(const QString& path) : m_path(QFile::encodeName(path))
    {
        m_thread = std::thread([this] {
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (!m_done && std::chrono::steady_clock::now() < end) {
                // Succeeds only while a reader is waiting on the other end.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    [[maybe_unused]] const auto written = ::write(fd, "blockiert", 9);
                    ::close(fd);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    }
    ~FifoRescue()
    {
        m_done = true;
        m_thread.join();
    }

private:
    QByteArray m_path;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};
