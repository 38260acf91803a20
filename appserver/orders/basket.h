#pragma once

#include "caller.h"
#include "stockitems.h"
#include "storedline.h"

#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::orders {

// One line of a customer's basket with its item, as the basket lists read it.
struct BasketLine
{
    qint64 sirano = 0;
    qint64 cariId = 0;
    QString cariKod, cariAdi;
    qint64 verenId = 0;
    QString veren;
    QVariant tarih;
    double miktar = 0;
    int sec = 0;
    StoredLine priced;
    StockItem item;
};

// The server-side basket: one set of lines per customer account. Every line is priced here from
// the item and the customer; only a salesperson's own unit price is taken from the caller.
class Basket
{
public:
    explicit Basket(Database &db) : m_db(db) {}

    // Adds `quantity` of an item and returns the line's number. An item already in the basket
    // gets the quantity added to its line instead of a second line. `unitPrice` is used only
    // when the caller may set basket prices. Raises platform::Error for an unknown item or a
    // quantity out of range.
    qint64 Add(const Caller &caller, qint64 stokId, double quantity,
               std::optional<double> unitPrice);

    // Sets a line's quantity (and a salesperson's unit price) and prices it again. False when
    // the caller's customer has no such line.
    bool Update(const Caller &caller, qint64 sirano, double quantity,
                std::optional<double> unitPrice);

    // Marks a line selected (1) or not (0) for the next order; raises for an unknown line.
    void Select(qint64 sirano, int mark);

    // Removes one line of the caller's customer; false when there is no such line.
    bool Remove(const Caller &caller, qint64 sirano);
    // Empties the caller's customer's basket; returns the number of lines removed.
    int Clear(const Caller &caller);

    std::vector<BasketLine> Lines(qint64 cariId);

private:
    StoredLine PriceLine(const Caller &caller, const StockItem &item, double quantity,
                         std::optional<double> unitPrice) const;

    Database &m_db;
};

// The basket as the basket tab reads it: SEC, SIRANO, STOKNO, the amounts and every column of
// its grid.
std::unique_ptr<platform::DataSet> BasketTable(const std::vector<BasketLine> &lines);

} // namespace appserver::orders
