#pragma once

#include "appserver/content/contentmethods.h"
#include "appserver/content/webhost.h"
#include "appserver/data/databasepool.h"
#include "appserver/methodhandlers.h"

#include <QTemporaryDir>
#include <memory>

namespace platform {
class Connection;
}
namespace testsupport {
class TestServer;
}

// A server with the content methods and the web host on a fresh SQLite file: the shared
// tables, the content tables, and a few known rows:
//   salespeople 1 "AHMET SATICI" (ahmet@dorvena.example, 0212 000 0001) and 2 "BURCU SATICI";
//   customers 1 "ÖZ KARDEŞLER OTO" (salesperson 1), 2 "YILMAZ OTOMOTİV" (salesperson 2),
//   3 "ÇELİK TİCARET" (salesperson 1, nothing else filled in);
//   computers PC-BAYI (type 0, customer 1, mail bayi@example.com), PC-SATICI (type 1,
//   salesperson 1, customer 1), PC-YETKILI (type 2, no customer, salesperson 2),
//   PC-NOMAIL (type 0, customer 2, no mail);
//   stock item 1 with a picture, stock item 2 without.
// The content itself is empty until a test adds some (or seeds the demo). With
// B2B_TEST_PGSQL="host port user" the database is a fresh one on that PostgreSQL server.
class ContentFixture
{
public:
    explicit ContentFixture(appserver::WebHostOptions web = {},
                            appserver::ContentOptions content = {});
    ~ContentFixture();

    appserver::Database &db(); // this thread's connection
    appserver::DatabasePool &pool() { return *m_pool; }
    testsupport::TestServer &server() { return *m_server; }
    // A connection to the server, opened.
    std::unique_ptr<platform::Connection> connect() const;
    QString dir() const { return m_dir.path(); }

    // The picture of stock item 1.
    static QByteArray itemPicture();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<appserver::Database> m_pgServer; // when the tests run on PostgreSQL
    QString m_pgName;
    std::unique_ptr<appserver::DatabasePool> m_pool;
    appserver::MethodHandlers m_handlers;
    std::unique_ptr<testsupport::TestServer> m_server;
};
