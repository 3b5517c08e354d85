#pragma once

#include <QFile>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe at path, for code that must not open it: opening a pipe for reading
// blocks until a writer comes. Should the code block anyway, the guard becomes that
// writer after a timeout, so the test fails (fired()) instead of hanging.
class FifoGuard
{
public:
    explicit FifoGuard(const QString &path, int timeoutMs = 3000)
        : name(QFile::encodeName(path)), ok(mkfifo(name.constData(), 0600) == 0)
    {
        watcher = std::thread([this, timeoutMs, finished = done.get_future()] {
            if (finished.wait_for(std::chrono::milliseconds(timeoutMs)) ==
                std::future_status::ready)
                return;
            // Read and write at once never blocks, and frees a reader blocked in open().
            const int fd = ::open(name.constData(), O_RDWR | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
            didFire = true;
        });
    }
    ~FifoGuard()
    {
        done.set_value();
        watcher.join();
        ::unlink(name.constData());
    }
    FifoGuard(const FifoGuard &) = delete;
    FifoGuard &operator=(const FifoGuard &) = delete;

    bool created() const { return ok; }
    bool fired() const { return didFire; }

private:
    QByteArray name;
    bool ok;
    std::atomic<bool> didFire{false};
    std::promise<void> done;
    std::thread watcher;
};
