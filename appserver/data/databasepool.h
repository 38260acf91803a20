#pragma once

#include "database.h"

#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace appserver {

// One database connection per worker thread, opened on the thread's first use: a connection
// may only be used by the thread that opened it.
class DatabasePool
{
public:
    explicit DatabasePool(DatabaseOptions options) : m_options(std::move(options)) {}
    const DatabaseOptions &Options() const { return m_options; }

    Database &ForThisThread()
    {
        const std::thread::id self = std::this_thread::get_id();
        std::lock_guard lock(m_mutex);
        auto &slot = m_connections[self];
        if (!slot)
            slot = std::make_unique<Database>(m_options);
        return *slot;
    }

private:
    DatabaseOptions m_options;
    std::mutex m_mutex;
    std::map<std::thread::id, std::unique_ptr<Database>> m_connections;
};

} // namespace appserver
