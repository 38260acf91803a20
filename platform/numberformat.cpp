#include "numberformat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace platform {
namespace {

// A finite non-negative value as decimal digits: value = 0.<digits> * 10^pointPos... kept as
// an integer part and a fraction part of digit characters.
struct Decimal
{
    std::string intDigits;  // no leading zeros; empty for 0
    std::string fracDigits; // as many as requested
};

// Shortest round-trip digits of |value|, rounded half away from zero to `decimals` places.
Decimal ToDecimal(double value, int decimals)
{
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::abs(value), std::chars_format::scientific);
    std::string text(buf, res.ptr);
    const auto ePos = text.find('e');
    std::string mantissa = text.substr(0, ePos);
    const int exponent = std::stoi(text.substr(ePos + 1));
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits += c;
    // value = 0.digits * 10^(exponent + 1)
    int pointPos = exponent + 1; // digits before the decimal point
    if (pointPos < 0) {
        digits.insert(0, std::string(size_t(-pointPos), '0'));
        pointPos = 0;
    }
    if (int(digits.size()) < pointPos + decimals + 1)
        digits.append(size_t(pointPos + decimals + 1 - int(digits.size())), '0');

    std::string kept = digits.substr(0, size_t(pointPos + decimals));
    const bool roundUp = digits[size_t(pointPos + decimals)] >= '5';
    if (roundUp) {
        int i = int(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[size_t(i)] == '9') {
                kept[size_t(i)] = '0';
            } else {
                ++kept[size_t(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(0, "1");
            ++pointPos;
        }
    }
    Decimal d;
    d.intDigits = kept.substr(0, size_t(pointPos));
    d.fracDigits = kept.substr(size_t(pointPos));
    const auto firstNonZero = d.intDigits.find_first_not_of('0');
    d.intDigits =
        firstNonZero == std::string::npos ? std::string() : d.intDigits.substr(firstNonZero);
    return d;
}

struct Section
{
    QString prefix;
    QString suffix;
    int minInt = 0;
    int minFrac = 0;
    int maxFrac = 0;
    bool grouping = false;
    bool hasDigits = false;
};

Section ParseSection(const QString &text)
{
    Section s;
    bool seenDigit = false;
    bool afterPoint = false;
    bool seenZeroInt = false;
    int intPlaces = 0;
    QString *literal = &s.prefix;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            literal->append(text.mid(i + 1, stop - i - 1));
            i = stop;
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            seenDigit = true;
            literal = &s.suffix;
            s.suffix.clear(); // text between placeholders is not kept
            if (afterPoint) {
                ++s.maxFrac;
                if (c == QLatin1Char('0'))
                    s.minFrac = s.maxFrac;
            } else {
                if (c == QLatin1Char('0'))
                    seenZeroInt = true;
                if (seenZeroInt)
                    ++intPlaces;
            }
            continue;
        }
        if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            seenDigit = true;
            literal = &s.suffix;
            continue;
        }
        if (c == QLatin1Char(',')) {
            s.grouping = true;
            continue;
        }
        literal->append(c);
    }
    s.minInt = intPlaces;
    s.hasDigits = seenDigit;
    return s;
}

QString Group(const QString &digits, const QLocale &locale)
{
    const QString sep = locale.groupSeparator();
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits.at(i);
    }
    return out;
}

} // namespace

double RoundHalfAwayFromZero(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const Decimal d = ToDecimal(value, decimals);
    std::string text = (d.intDigits.empty() ? std::string("0") : d.intDigits);
    if (!d.fracDigits.empty())
        text += "." + d.fracDigits;
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return value < 0 ? -result : result;
}

QString FormatFloat(const QString &picture, double value, const QLocale &locale)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");

    const QStringList sections = picture.split(QLatin1Char(';'));
    Section section = ParseSection(sections.value(0));
    bool writeMinus = value < 0;
    if (value < 0 && sections.size() > 1 && !sections.at(1).isEmpty()) {
        section = ParseSection(sections.at(1));
        writeMinus = false; // the negative section carries its own sign
    }
    Decimal d = ToDecimal(value, section.maxFrac);
    const bool isZero =
        d.intDigits.empty() && d.fracDigits.find_first_not_of('0') == std::string::npos;
    if (isZero && sections.size() > 2 && !sections.at(2).isEmpty()) {
        section = ParseSection(sections.at(2));
        d = ToDecimal(0.0, section.maxFrac);
        writeMinus = false;
    }
    if (isZero)
        writeMinus = false;
    if (!section.hasDigits)
        return section.prefix;

    QString intPart = QString::fromStdString(d.intDigits);
    if (intPart.size() < section.minInt)
        intPart.prepend(QString(section.minInt - intPart.size(), QLatin1Char('0')));
    if (section.grouping)
        intPart = Group(intPart, locale);

    QString frac = QString::fromStdString(d.fracDigits);
    while (frac.size() > section.minFrac && frac.endsWith(QLatin1Char('0')))
        frac.chop(1);

    QString out = section.prefix;
    if (writeMinus)
        out.prepend(locale.negativeSign());
    out += intPart;
    if (!frac.isEmpty())
        out += locale.decimalPoint() + frac;
    out += section.suffix;
    return out;
}

QString FormatGeneral(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return FormatFloat(QString(), value, locale);
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        text.replace(QLatin1Char('e'), QLatin1Char('E'));
    }
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    text.replace(QLatin1Char('-'), locale.negativeSign());
    return text;
}

double RoundToCents(double value, const QLocale &locale)
{
    QString text = FormatFloat(QStringLiteral("#,###,##.00"), value, locale);
    text.remove(locale.groupSeparator());
    // The picture has no integer zero, so a value under one loses its leading digit.
    const QString point = locale.decimalPoint();
    if (text.startsWith(point))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(locale.negativeSign() + point))
        text.insert(locale.negativeSign().size(), QLatin1Char('0'));
    bool ok = false;
    const double result = locale.toDouble(text, &ok);
    return ok ? result : RoundHalfAwayFromZero(value, 2);
}

} // namespace platform
