#pragma once

#include "appserver/data/databasepool.h"
#include "appserver/methodhandlers.h"
#include "testserver.h"

#include "platform/connection.h"

#include <QTemporaryDir>
#include <memory>

namespace testsupport {

// The real application server (every module, SQLite) in this process, on a database of its
// own filled with a small deterministic demo: users DEMO-PC-0000..0004 of customer types 0..4
// ("BAYI", "SATICI", "YETKILI", "CARI3", "CARI4", password "1234"), stock items, baskets,
// orders, statements, adverts. The web host pages are served on the same port.
//
//     testsupport::DemoServer server(300);              // 300 stock items
//     platform::Connection c = server.connection();     // not yet opened
//     appserver::Database &db = server.database();      // for checks, on the test's thread
class DemoServer
{
public:
    explicit DemoServer(int items = 300);
    ~DemoServer();
    DemoServer(const DemoServer &) = delete;
    DemoServer &operator=(const DemoServer &) = delete;

    quint16 port() const { return m_server->port(); }
    platform::Connection connection() const { return m_server->connection(); }
    QString url(const QString &path) const { return m_server->url(path); }
    TestServer &server() { return *m_server; }
    appserver::Database &database() { return *m_db; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<appserver::Database> m_db;
    std::unique_ptr<appserver::DatabasePool> m_pool;
    appserver::MethodHandlers m_handlers;
    std::unique_ptr<TestServer> m_server;
};

} // namespace testsupport
