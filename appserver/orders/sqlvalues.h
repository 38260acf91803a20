#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace appserver::orders {

// The current row of a query read by column name. The names are looked up once per query, not
// once per row, so a long answer does not search its columns over and over.
class RowValues
{
public:
    explicit RowValues(const QSqlQuery &query);
    // The named column of the current row; raises platform::Error for a name the query lacks.
    QVariant operator()(const char *name) const;

private:
    const QSqlQuery &m_query;
    QHash<QByteArray, int> m_index;
};

// A timestamp column as read back: SQLite gives the stored text, PostgreSQL a QDateTime.
QDateTime DateTimeOf(const QVariant &value);

// Day number of a timestamp for a Date or DateTime column; null stays null.
QVariant DayNumberOf(const QVariant &value);
// The calendar day alone.
QVariant DayOf(const QVariant &value);
// "HH:mm:ss" of a timestamp.
QString TimeTextOf(const QVariant &value);

// The text form timestamps are written in.
QString TimestampText(const QDateTime &value);

// A LIKE pattern for `text` with the wildcard characters made literal (use ESCAPE '\').
QString LikeLiteral(const QString &text);

} // namespace appserver::orders
