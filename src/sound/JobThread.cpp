#include "sound/JobThread.h"

#include <pthread.h>

#include <deque>
#include <mutex>
#include <thread>
#include <utility>

struct JobThread::Queue {
    std::mutex mutex;
    std::deque<std::function<void()>> jobs;
    bool running = false;
};

JobThread::JobThread()
    : m_queue(std::make_shared<Queue>()) {}

void JobThread::run(std::function<void()> job) {
    const std::lock_guard lock(m_queue->mutex);
    m_queue->jobs.push_back(std::move(job));
    if (std::exchange(m_queue->running, true))
        return;
    std::thread([queue = m_queue] {
        pthread_setname_np(pthread_self(), "tivvet sound"); // as tools that list threads show it
        std::unique_lock lock(queue->mutex);
        while (!queue->jobs.empty()) {
            const std::function<void()> next = std::move(queue->jobs.front());
            queue->jobs.pop_front();
            lock.unlock();
            next();
            lock.lock();
        }
        queue->running = false;
    }).detach();
}
