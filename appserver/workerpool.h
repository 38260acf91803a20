#pragma once

#include <functional>
#include <memory>

namespace appserver {

// Threads for the slow part of a request (decoding, the method's work, encoding), so that the
// io threads only move bytes.
class WorkerPool
{
public:
    explicit WorkerPool(int threads);
    ~WorkerPool(); // waits for the jobs that run
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    void Post(std::function<void()> job);
    // Lets running jobs finish and drops the queued ones; no job runs afterwards.
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace appserver
