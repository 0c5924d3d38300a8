#pragma once

#include <functional>
#include <memory>

// Runs jobs one after another, in the order given, on a thread started for them that ends once
// none is left, so that an idle program keeps no thread. Nothing ever waits for it: a job that
// hangs holds up only the jobs after it, and the program's end not at all. Copies share the thread.
class JobThread {
public:
    JobThread();
    void run(std::function<void()> job);

private:
    struct Queue;
    std::shared_ptr<Queue> m_queue;
};
