#pragma once

#include <QString>

namespace appserver::orders {

// Limits on what a caller may send. A value outside them is refused with a platform::Error that
// names the value, before anything is written.
inline constexpr double kMaxQuantity = 10000;     // the add-to-basket dialog's own maximum
inline constexpr double kMaxUnitPrice = 10000000; // far above any spare part
inline constexpr int kMaxNoteLength = 1000;       // an order note
inline constexpr int kMaxSearchLength = 200;      // a search text

// A quantity of a line: a finite number above 0 and at most kMaxQuantity.
double RequireQuantity(double value, const QString &what);
// A unit price: a finite number above 0 and at most kMaxUnitPrice.
double RequireUnitPrice(double value, const QString &what);
// A discount rate in percent from 0 to 100; below 0 counts as no discount.
double RequireDiscountRate(double value, const QString &what);
// A text of at most maxLength characters.
const QString &RequireTextLength(const QString &value, int maxLength, const QString &what);
// A selection mark: 0 or 1.
int RequireSelectionMark(int value);

} // namespace appserver::orders
