#pragma once

#include "platform/dataset.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <memory>
#include <vector>

namespace appserver {

// Where the data lives: SQLite (one file) by default, PostgreSQL for a real deployment.
struct DatabaseOptions
{
    QString driver = QStringLiteral("QSQLITE"); // or "QPSQL"
    QString path;                               // SQLite: the database file
    QString host;                               // PostgreSQL
    int port = 5432;
    QString name;
    QString user;
    QString password;
};

// A result column as the client must see it: its name and its wire type.
struct Column
{
    const char *name;
    platform::FieldType type;
    int size = 0;
};

// One connection to the database, used by one thread. Every statement is prepared with
// bound values; a failure raises platform::Error with the driver's text.
class Database
{
public:
    explicit Database(const DatabaseOptions &options);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool IsSqlite() const { return m_sqlite; }
    QSqlDatabase Handle() const;

    QSqlQuery Exec(const QString &sql, const QVariantList &values = {});
    // The first column of the first row, or an invalid QVariant when there is no row.
    QVariant Scalar(const QString &sql, const QVariantList &values = {});
    // Runs an INSERT and returns the new row's "id".
    qint64 Insert(const QString &sql, const QVariantList &values = {});
    // Runs a query and copies its rows into a table of the given columns, in select order.
    std::unique_ptr<platform::DataSet> Table(const QString &sql, const QVariantList &values,
                                             std::initializer_list<Column> columns);
    std::unique_ptr<platform::DataSet> Table(const QString &sql, const QVariantList &values,
                                             const std::vector<Column> &columns);

    void Begin();
    void Commit();
    void Rollback();

private:
    QString m_connectionName;
    QSqlDatabase m_db; // held, not looked up: a lookup from another thread is refused
    bool m_sqlite = true;
};

// Commits when asked, rolls back when it goes out of scope otherwise (also on an exception).
class Transaction
{
public:
    explicit Transaction(Database &db) : m_db(db) { m_db.Begin(); }
    ~Transaction()
    {
        if (!m_done)
            m_db.Rollback();
    }
    void Commit()
    {
        m_db.Commit();
        m_done = true;
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

private:
    Database &m_db;
    bool m_done = false;
};

// Current time as stored in the database ("yyyy-MM-dd HH:mm:ss").
QString NowText();

} // namespace appserver
