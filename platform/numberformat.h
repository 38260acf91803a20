#pragma once

#include <QLocale>
#include <QString>

namespace platform {

// Formats a number with a picture such as "#,###,##0.00" or ",0.00 TL;-,0.00 TL":
//  '0' a digit that is always written, '#' a digit written only when significant,
//  '.' the locale's decimal separator, ',' anywhere turns on grouping by thousands,
//  ';' separates the sections for positive, negative and zero values, other characters
//  (and quoted text) are copied. Rounding is half away from zero on the decimal value.
QString FormatFloat(const QString &picture, double value, const QLocale &locale = QLocale());

// The shortest general form: up to 15 significant digits, no grouping, no trailing zeros,
// the locale's decimal separator.
QString FormatGeneral(double value, const QLocale &locale = QLocale());

// Rounds to cents the way the amounts on screen are rounded: format with "#,###,##.00",
// drop the thousands separator, parse the text back.
double RoundToCents(double value, const QLocale &locale = QLocale());

// Rounds a value half away from zero to the given number of decimals, working on its
// shortest decimal representation (so 2.675 gives 2.68).
double RoundHalfAwayFromZero(double value, int decimals);

} // namespace platform
