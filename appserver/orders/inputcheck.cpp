#include "inputcheck.h"

#include "platform/error.h"

#include <cmath>

namespace appserver::orders {

double RequireQuantity(double value, const QString &what)
{
    if (!std::isfinite(value) || value <= 0 || value > kMaxQuantity)
        throw platform::Error(QStringLiteral("%1 must be above 0 and at most %2, not %3")
                                  .arg(what)
                                  .arg(kMaxQuantity)
                                  .arg(value));
    return value;
}

double RequireUnitPrice(double value, const QString &what)
{
    if (!std::isfinite(value) || value <= 0 || value > kMaxUnitPrice)
        throw platform::Error(QStringLiteral("%1 must be above 0 and at most %2, not %3")
                                  .arg(what)
                                  .arg(kMaxUnitPrice, 0, 'f', 0)
                                  .arg(value));
    return value;
}

double RequireDiscountRate(double value, const QString &what)
{
    if (!std::isfinite(value) || value > 100)
        throw platform::Error(
            QStringLiteral("%1 must be a rate of at most 100, not %2").arg(what).arg(value));
    return value < 0 ? 0 : value;
}

const QString &RequireTextLength(const QString &value, int maxLength, const QString &what)
{
    if (value.size() > maxLength)
        throw platform::Error(QStringLiteral("%1 is %2 characters long; at most %3 are allowed")
                                  .arg(what)
                                  .arg(value.size())
                                  .arg(maxLength));
    return value;
}

int RequireSelectionMark(int value)
{
    if (value != 0 && value != 1)
        throw platform::Error(QStringLiteral("A selection mark must be 0 or 1, not %1").arg(value));
    return value;
}

} // namespace appserver::orders
