#pragma once

#include "pricing.h"

#include "sqlvalues.h"

#include <QString>
#include <QVariantList>

namespace appserver::orders {

// The priced part of a basket line or an order line, as stored: unit price, VAT rate, the four
// rates, the computed amounts and the campaign flag.
struct StoredLine
{
    double birimfiyat = 0;
    double kdv = 0;
    DiscountRates rates{};
    bool kampanyali = false;
    LineAmounts amounts;
};

// Prices a quantity: the amounts come from ComputeLine, never from the caller.
StoredLine MakeStoredLine(double unitPrice, double quantity, const DiscountRates &rates,
                          double vatRate, bool campaign);

// Select list for the stored part of table alias `alias`, read back by ReadStoredLine (the
// names carry the prefix "l_" so they never clash with the item's own kdv).
QString StoredLineColumns(const char *alias);
StoredLine ReadStoredLine(const RowValues &row);

// "birimfiyat = ?, kdv = ?, ..." and its values, for UPDATE; the column names and values in
// the same order for INSERT.
QString StoredLineAssignments();
QString StoredLineColumnNames();
QString StoredLinePlaceholders();
QVariantList StoredLineValues(const StoredLine &line);

} // namespace appserver::orders
