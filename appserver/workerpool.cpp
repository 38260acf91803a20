#include "workerpool.h"

#include <algorithm>
#include <boost/asio/post.hpp>
#include <boost/asio/thread_pool.hpp>

namespace appserver {

struct WorkerPool::Impl
{
    explicit Impl(int threads) : pool(size_t(std::max(1, threads))) {}
    boost::asio::thread_pool pool;
};

WorkerPool::WorkerPool(int threads) : d(std::make_unique<Impl>(threads)) {}

WorkerPool::~WorkerPool()
{
    Stop();
}

void WorkerPool::Post(std::function<void()> job)
{
    boost::asio::post(d->pool, std::move(job));
}

void WorkerPool::Stop()
{
    d->pool.stop();
    d->pool.join();
}

} // namespace appserver
