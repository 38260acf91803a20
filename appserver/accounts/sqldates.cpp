#include "sqldates.h"

#include "platform/daynumber.h"
#include "platform/error.h"

#include <cmath>
#include <utility>

namespace appserver::accounts {

QString DateTimeText(const QDateTime &value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString DateText(const QDate &value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
}

QDate DayFromWire(double dayNumber, const char *parameter)
{
    // 1 January 1900 is day 2, 31 December 2199 is day 109574.
    if (!std::isfinite(dayNumber) || dayNumber < 2 || dayNumber >= 109575)
        throw platform::Error(QStringLiteral("Geçersiz tarih (%1)").arg(QLatin1String(parameter)));
    return platform::DayNumberToDate(std::floor(dayNumber));
}

DayRange DaysBetween(double dayNumber1, double dayNumber2)
{
    QDate first = DayFromWire(dayNumber1, "tarih1");
    QDate last = DayFromWire(dayNumber2, "tarih2");
    if (last < first)
        std::swap(first, last);
    return {DateText(first), DateText(last.addDays(1)), first, last};
}

} // namespace appserver::accounts
