#include "sqlvalues.h"

#include "platform/daynumber.h"
#include "platform/error.h"

#include <QSqlRecord>
#include <cstring>

namespace appserver::orders {

RowValues::RowValues(const QSqlQuery &query) : m_query(query)
{
    const QSqlRecord record = query.record();
    // The first of two equal names wins, as the select lists put the item's own columns first.
    for (int i = record.count() - 1; i >= 0; --i)
        m_index.insert(record.fieldName(i).toLower().toUtf8(), i);
}

QVariant RowValues::operator()(const char *name) const
{
    const auto it = m_index.constFind(QByteArray::fromRawData(name, qsizetype(std::strlen(name))));
    if (it == m_index.constEnd())
        throw platform::Error(
            QStringLiteral("The query has no column %1").arg(QLatin1String(name)));
    return m_query.value(*it);
}

QDateTime DateTimeOf(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return QDateTime(value.toDate(), QTime(0, 0));
    const QString text = value.toString();
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODate);
    return dt;
}

QVariant DayNumberOf(const QVariant &value)
{
    const QDateTime dt = DateTimeOf(value);
    return dt.isValid() ? QVariant(platform::DateTimeToDayNumber(dt)) : QVariant();
}

QVariant DayOf(const QVariant &value)
{
    const QDateTime dt = DateTimeOf(value);
    return dt.isValid() ? QVariant(platform::DateToDayNumber(dt.date())) : QVariant();
}

QString TimeTextOf(const QVariant &value)
{
    const QDateTime dt = DateTimeOf(value);
    return dt.isValid() ? dt.toString(QStringLiteral("HH:mm:ss")) : QString();
}

QString TimestampText(const QDateTime &value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString LikeLiteral(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

} // namespace appserver::orders
