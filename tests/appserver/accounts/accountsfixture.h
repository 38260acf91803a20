#pragma once

#include "platform/connection.h"

#include <QDate>
#include <QTemporaryDir>
#include <memory>

class TSonucBilgisi;

namespace appserver {
class Database;
class DatabasePool;
class MethodHandlers;
} // namespace appserver
namespace platform {
class DataSet;
}
namespace testsupport {
class TestServer;
}

// A small database with the account methods served over HTTP on it: SQLite in a temporary
// folder, or, with B2B_TEST_PGSQL="host port user" set, a new PostgreSQL database.
//
// Customers: 1 "ÖZ KARDEŞLER OTO" (İZMİR, salesperson 1), 2 "YILMAZLAR YEDEK PARÇA"
// (salesperson 1), 3 "ÇELİK OTOMOTİV" (salesperson 2), 4 "DEMİRTAŞ TİCARET" (salesperson 2,
// nothing booked). Computers: PC-BAYI (type 0, customer 1), PC-SATICI (type 1, salesperson 1),
// PC-YETKILI (type 2), PC-PASIF (inactive). Days are counted back from today (T):
//  customer 1: invoice SF1 T-90 (318,59, due T-60), collection TH1 T-40 (100 cash + 50 cheque),
//              card payment T-20 (168,59; balance back to 0), invoice SF2 T-10 (1.200,00, due
//              T+20), return IF1 T-3 (60,00): balance 1.140,00, nothing overdue;
//  customer 2: invoice SF3 T-100 (600,00, due T-40), collection T-30 (100,00): 500,00 overdue;
//  customer 3: collection T-15 (250,00): a credit of 250,00.
//  Basket lines: customer 1 two, customer 3 one. Orders (state, day, ordered/shipped):
//  customer 1 A (received, T-2, 10.5/4), B (shipped, T-5, 5/5); customer 2 D (received, T-3,
//  4/0), E (partly prepared, T-4, 7/2); customer 3 F (approved, T-1, 3/1), G (shipped, T-60, 2/0).
class AccountsFixture
{
public:
    AccountsFixture();
    ~AccountsFixture();

    appserver::Database &Db() { return *m_db; }
    // A new connection to the server, not opened yet (a copy of a connection is closed).
    platform::Connection Connection() const;
    // The session record the server gives at sign-in for this computer, acting for `customer`
    // (the signed-in user's own when 0).
    std::unique_ptr<TSonucBilgisi> Session(const QString &machineId, int customer = 0) const;
    qint64 Count(const QString &table);

    QDate today = QDate::currentDate();
    qint64 sf1 = 0, th1 = 0, card = 0, sf2 = 0, if1 = 0, sf3 = 0, th3 = 0; // statement lines
    qint32 cardNumber = 0;

private:
    void Fill();

    QTemporaryDir m_dir;
    QString m_pgName; // the PostgreSQL database made for this fixture, if any
    std::unique_ptr<appserver::Database> m_pgServer;
    std::unique_ptr<appserver::Database> m_db;
    std::unique_ptr<appserver::DatabasePool> m_pool;
    std::unique_ptr<appserver::MethodHandlers> m_handlers;
    std::unique_ptr<testsupport::TestServer> m_server;
};

// "NAME:Type,..." of a table's columns, to compare a whole column list at once.
QString ColumnList(const platform::DataSet &table);
// The column types of the listed columns only, in the given order.
QString ColumnTypes(const platform::DataSet &table, const QStringList &names);
