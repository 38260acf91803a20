#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace appserver::accounts {

// Dates are stored as "yyyy-MM-dd HH:mm:ss" text (a timestamp in PostgreSQL), so that a
// comparison of the text and of the timestamp give the same order.
QString DateTimeText(const QDateTime &value);
QString DateText(const QDate &value); // the day at 00:00:00

// A day number from the wire as a calendar day (time of day dropped). Raises platform::Error
// for a value that is not a number or lies outside 1900 to 2199.
QDate DayFromWire(double dayNumber, const char *parameter);

// A half-open range of whole days [first, last + 1 day) as stored texts; a reversed range is
// put in order.
struct DayRange
{
    QString from;
    QString until; // exclusive
    QDate first;
    QDate last;
};
DayRange DaysBetween(double dayNumber1, double dayNumber2);

} // namespace appserver::accounts
