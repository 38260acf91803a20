#pragma once

#include "pricing.h"
#include "stockitems.h"

#include <memory>
#include <vector>

namespace platform {
class DataSet;
}

namespace appserver::orders {

// An item with its price for one customer.
struct PricedItem
{
    StockItem item;
    ItemPrice price;
};

PricedItem PriceFor(const StockItem &item, const DiscountRates &customerRates);

// The stock list as the search, new-item and campaign lists show it: every column those grids
// and the add-to-basket dialog read (DURUM ... KDVDAHIL, IND1 to IND4, ESKIFIYAT, INDIRIM).
std::unique_ptr<platform::DataSet> StockListTable(const std::vector<StockItem> &items,
                                                  const DiscountRates &customerRates);

} // namespace appserver::orders
