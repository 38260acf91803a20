#pragma once

#include "appserver/data/database.h"
#include "appserver/data/databasepool.h"
#include "appserver/methodhandlers.h"
#include "platform/connection.h"
#include "platform/dataset.h"
#include "server/proxim.h"
#include "session/baglantiu.h"
#include "support/testserver.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A small SQLite database with the core and orders tables, a few customers, users and items,
// served over real HTTP by the in-process server with the orders methods registered. Tests
// call it through the client's own proxy. With B2B_TEST_PGSQL="host port user" set, the same
// data lives in a fresh PostgreSQL database instead, dropped again afterwards.
//
// Customers: 1 "C001" rates 10+5, 2 "C002" no rates, 3 "C003" rates 20+10+5+2.
// Users: 1 customer user of C001 (type 3), 2 customer user of C002 (type 4), 3 salesperson
// (type 1), 4 salesperson with price authority (type 2), 5 inactive user of C001.
// Items: 1 "FR-1001" 100.00 VAT 20 with a picture and OEM "04E 115 561 H"; 2 "YG-2002" 45.50
// new; 3 "AM-3003" list 250.00 campaign 200.00 VAT 18; 4 "SB-4004" campaign flag without a
// campaign price, 80.00; 5 "FR-10015" 10.00.
class OrdersFixture
{
public:
    OrdersFixture();
    ~OrdersFixture();
    OrdersFixture(const OrdersFixture &) = delete;
    OrdersFixture &operator=(const OrdersFixture &) = delete;

    // The test thread's own connection to the same database.
    appserver::Database &Db() { return m_pool->ForThisThread(); }
    appserver::MethodHandlers &Handlers() { return m_handlers; }
    bool IsSqlite();

    // A fresh session record acting for a customer as a user (0: none).
    static std::unique_ptr<TSonucBilgisi> Session(int carino, int sirano, int musteriTipi = 3);

    // An opened connection and a proxy on it, for one test.
    struct Client
    {
        platform::Connection connection;
        std::unique_ptr<TServerMethods1Client> proxy;
        TServerMethods1Client *operator->() { return proxy.get(); }
    };
    std::unique_ptr<Client> Connect() const;

    qint64 Count(const QString &table);
    static QByteArray PictureOf(int stokId);

private:
    void Fill();

    QTemporaryDir m_dir;
    QString m_pgName; // the PostgreSQL database made for this fixture, if any
    appserver::DatabaseOptions m_pgAdmin;
    std::unique_ptr<appserver::DatabasePool> m_pool;
    appserver::MethodHandlers m_handlers;
    std::unique_ptr<testsupport::TestServer> m_server;
};

// The named fields of one row, "|"-joined: numbers with two decimals, the rest as text.
QString RowText(const platform::DataSet &table, int row, const QStringList &fields);
// One field of every row, "|"-joined in row order.
QString ColumnText(const platform::DataSet &table, const QString &field);
// "NAME:Type" of every field, in order.
QStringList FieldTypes(const platform::DataSet &table);
