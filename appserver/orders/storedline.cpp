#include "storedline.h"

#include <QStringList>

namespace appserver::orders {
namespace {

const char *const kColumns[] = {
    "birimfiyat",   "kdv",      "ind1",          "ind2",        "ind3",       "ind4",      "tutar",
    "indirimtutar", "nettutar", "netbirimfiyat", "vergitutari", "kdvlitutar", "kampanyali"};

} // namespace

StoredLine MakeStoredLine(double unitPrice, double quantity, const DiscountRates &rates,
                          double vatRate, bool campaign)
{
    StoredLine line;
    line.birimfiyat = unitPrice;
    line.kdv = vatRate;
    line.rates = rates;
    line.kampanyali = campaign;
    line.amounts = ComputeLine(unitPrice, quantity, rates, vatRate);
    return line;
}

QString StoredLineColumns(const char *alias)
{
    QStringList parts;
    for (const char *c : kColumns)
        parts << QStringLiteral("%1.%2 AS l_%2").arg(QLatin1String(alias), QLatin1String(c));
    return parts.join(QStringLiteral(", "));
}

StoredLine ReadStoredLine(const RowValues &row)
{
    const auto number = [&](const char *name) { return row(name).toDouble(); };
    StoredLine line;
    line.birimfiyat = number("l_birimfiyat");
    line.kdv = number("l_kdv");
    line.rates = {number("l_ind1"), number("l_ind2"), number("l_ind3"), number("l_ind4")};
    line.kampanyali = number("l_kampanyali") != 0;
    line.amounts.tutar = number("l_tutar");
    line.amounts.indirimTutar = number("l_indirimtutar");
    line.amounts.netTutar = number("l_nettutar");
    line.amounts.netBirimFiyat = number("l_netbirimfiyat");
    line.amounts.vergiTutari = number("l_vergitutari");
    line.amounts.kdvliTutar = number("l_kdvlitutar");
    line.amounts.kdvDahilBirimFiyat = Cents(line.amounts.netBirimFiyat * (line.kdv / 100 + 1));
    return line;
}

QString StoredLineAssignments()
{
    QStringList parts;
    for (const char *c : kColumns)
        parts << QStringLiteral("%1 = ?").arg(QLatin1String(c));
    return parts.join(QStringLiteral(", "));
}

QString StoredLineColumnNames()
{
    QStringList parts;
    for (const char *c : kColumns)
        parts << QLatin1String(c);
    return parts.join(QStringLiteral(", "));
}

QString StoredLinePlaceholders()
{
    QStringList parts;
    for (size_t i = 0; i < std::size(kColumns); ++i)
        parts << QStringLiteral("?");
    return parts.join(QStringLiteral(", "));
}

QVariantList StoredLineValues(const StoredLine &line)
{
    const LineAmounts &a = line.amounts;
    return {line.birimfiyat, line.kdv,     line.rates[0],          line.rates[1], line.rates[2],
            line.rates[3],   a.tutar,      a.indirimTutar,         a.netTutar,    a.netBirimFiyat,
            a.vergiTutari,   a.kdvliTutar, line.kampanyali ? 1 : 0};
}

} // namespace appserver::orders
