#include "database.h"

#include "platform/daynumber.h"
#include "platform/error.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QSqlError>
#include <QSqlRecord>

namespace appserver {
namespace {

QString NextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("b2b-%1").arg(counter.fetchAndAddRelaxed(1));
}

[[noreturn]] void Fail(const QSqlQuery &query, const QString &sql)
{
    throw platform::Error(QStringLiteral("Database error: %1 [%2]")
                              .arg(query.lastError().text(), sql.simplified().left(120)));
}

// Dates are stored as text in SQLite and as timestamps in PostgreSQL; both become day numbers.
double DayNumberOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return platform::DateTimeToDayNumber(value.toDateTime());
    if (value.typeId() == QMetaType::QDate)
        return platform::DateToDayNumber(value.toDate());
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
        if (!dt.isValid())
            dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid())
            dt = QDateTime(QDate::fromString(text, Qt::ISODate), QTime(0, 0));
        if (dt.isValid())
            return platform::DateTimeToDayNumber(dt);
    }
    return value.toDouble();
}

} // namespace

QString NowText()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

Database::Database(const DatabaseOptions &options) : m_connectionName(NextConnectionName())
{
    m_sqlite = options.driver == QLatin1String("QSQLITE");
    QSqlDatabase db = QSqlDatabase::addDatabase(options.driver, m_connectionName);
    if (m_sqlite) {
        db.setDatabaseName(options.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db.setHostName(options.host);
        db.setPort(options.port);
        db.setDatabaseName(options.name);
        db.setUserName(options.user);
        db.setPassword(options.password);
    }
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw platform::Error(QStringLiteral("Cannot open the database: %1").arg(text));
    }
    m_db = db;
    if (m_sqlite) {
        // WAL lets readers work while one writer commits; foreign keys are off by default.
        Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        Exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        Exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
}

Database::~Database()
{
    if (m_db.isOpen())
        m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase Database::Handle() const
{
    return m_db;
}

QSqlQuery Database::Exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(Handle());
    query.setForwardOnly(true);
    if (values.isEmpty()) {
        // Statements without values run as they are: PostgreSQL does not prepare DDL.
        if (!query.exec(sql))
            Fail(query, sql);
        return query;
    }
    if (!query.prepare(sql))
        Fail(query, sql);
    for (const QVariant &v : values) {
        // A null QString would bind as NULL; text columns hold '' for "none".
        query.addBindValue(v.typeId() == QMetaType::QString && v.toString().isNull()
                               ? QVariant(QStringLiteral(""))
                               : v);
    }
    if (!query.exec())
        Fail(query, sql);
    return query;
}

QVariant Database::Scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = Exec(sql, values);
    return query.next() ? query.value(0) : QVariant();
}

qint64 Database::Insert(const QString &sql, const QVariantList &values)
{
    if (m_sqlite) {
        QSqlQuery query = Exec(sql, values);
        return query.lastInsertId().toLongLong();
    }
    QSqlQuery query = Exec(sql + QStringLiteral(" RETURNING id"), values);
    return query.next() ? query.value(0).toLongLong() : 0;
}

std::unique_ptr<platform::DataSet> Database::Table(const QString &sql, const QVariantList &values,
                                                   std::initializer_list<Column> columns)
{
    return Table(sql, values, std::vector<Column>(columns));
}

std::unique_ptr<platform::DataSet> Database::Table(const QString &sql, const QVariantList &values,
                                                   const std::vector<Column> &columns)
{
    QSqlQuery query = Exec(sql, values);
    if (query.record().count() != int(columns.size()))
        throw platform::Error(QStringLiteral("Query returns %1 columns, %2 declared [%3]")
                                  .arg(query.record().count())
                                  .arg(columns.size())
                                  .arg(sql.simplified().left(120)));
    auto table = std::make_unique<platform::DataSet>();
    for (const Column &c : columns)
        table->AddField(QString::fromUtf8(c.name), c.type, c.size);
    const int n = int(columns.size());
    while (query.next()) {
        for (int i = 0; i < n; ++i) {
            platform::Field &field = table->Fields(i);
            const QVariant v = query.value(i);
            if (v.isNull()) {
                field.AppendNull();
                continue;
            }
            switch (columns[size_t(i)].type) {
            case platform::FieldType::Date:
            case platform::FieldType::DateTime:
                field.AppendDouble(DayNumberOf(v));
                break;
            case platform::FieldType::Integer:
            case platform::FieldType::LargeInt:
            case platform::FieldType::Boolean:
                field.AppendInt(v.toLongLong());
                break;
            case platform::FieldType::Float:
            case platform::FieldType::Currency:
                field.AppendDouble(v.toDouble());
                break;
            case platform::FieldType::Blob:
                field.AppendBytes(v.toByteArray());
                break;
            case platform::FieldType::String:
            case platform::FieldType::Memo:
                field.AppendBytes(v.toString().toUtf8());
                break;
            }
        }
    }
    table->Open();
    table->EndAppend();
    return table;
}

void Database::Begin()
{
    if (m_sqlite) {
        // Take the write lock at the start: a transaction that reads and then writes would
        // otherwise be refused at once ("database is locked") when another connection
        // committed in between, instead of waiting its turn.
        Exec(QStringLiteral("BEGIN IMMEDIATE"));
        return;
    }
    if (!m_db.transaction())
        throw platform::Error(
            QStringLiteral("Cannot begin a transaction: %1").arg(m_db.lastError().text()));
}

void Database::Commit()
{
    if (m_sqlite) {
        Exec(QStringLiteral("COMMIT"));
        return;
    }
    if (!m_db.commit())
        throw platform::Error(QStringLiteral("Cannot commit: %1").arg(m_db.lastError().text()));
}

void Database::Rollback()
{
    if (m_sqlite) {
        QSqlQuery query(m_db);
        query.exec(QStringLiteral("ROLLBACK")); // nothing to undo is no error here
        return;
    }
    m_db.rollback();
}

} // namespace appserver
