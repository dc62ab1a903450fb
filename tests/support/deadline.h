// A deadline for a step of a test that could block for good (opening a named
// pipe, reading a device): unless released in time, it ends the test process
// with a message naming the step, so the suite fails within seconds rather
// than at ctest's timeout. A blocked system call cannot be interrupted from
// inside the test, so nothing less than ending the process helps.
#pragma once

#include <QByteArray>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace vantrel::test {

class Deadline {
public:
    Deadline(std::chrono::seconds limit, const char* step)
        : m_watcher([this, limit, step] { watch(limit, step); }) {}
    ~Deadline() {
        {
            const std::lock_guard lock(m_mutex);
            m_released = true;
        }
        m_wake.notify_one();
        m_watcher.join();
    }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    void watch(std::chrono::seconds limit, const char* step) {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, limit, [this] { return m_released; }))
            return;
        const QByteArray message = "FAIL!  : deadline of " + QByteArray::number(limit.count()) +
                                   " s passed: " + step + "\n";
        std::fputs(message.constData(), stderr);
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_released = false;
    std::thread m_watcher; // last: starts once the members above exist
};

} // namespace vantrel::test
