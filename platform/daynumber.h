#pragma once

#include <QDateTime>
#include <cmath>

namespace platform {

// Dates travel as day numbers: whole days since 30 December 1899, the fraction is the time of day.
inline constexpr qint64 kDayNumberEpochJulian = 2415019; // QDate(1899, 12, 30).toJulianDay()

inline double DateToDayNumber(const QDate &date)
{
    return double(date.toJulianDay() - kDayNumberEpochJulian);
}

inline double DateTimeToDayNumber(const QDateTime &dt)
{
    const double day = DateToDayNumber(dt.date());
    const double fraction = dt.time().msecsSinceStartOfDay() / 86400000.0;
    // Before the epoch the fraction counts away from zero, as the day numbers do.
    return day < 0 ? day - fraction : day + fraction;
}

inline QDateTime DayNumberToDateTime(double dayNumber)
{
    const double whole = dayNumber < 0 ? std::ceil(dayNumber) : std::floor(dayNumber);
    const double fraction = std::abs(dayNumber - whole);
    const QDate date = QDate::fromJulianDay(qint64(whole) + kDayNumberEpochJulian);
    const int msecs = int(std::llround(fraction * 86400000.0));
    return QDateTime(date, QTime(0, 0)).addMSecs(msecs);
}

inline QDate DayNumberToDate(double dayNumber)
{
    return DayNumberToDateTime(dayNumber).date();
}

} // namespace platform
