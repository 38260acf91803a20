#pragma once

#include "basket.h"
#include "catalogue.h"

#include <memory>
#include <vector>

class TMobilStok;
class TMobilStoklar;
class TMobilSepetler;

namespace appserver::orders {

// The transfer objects of the mobile methods, filled from the same rows the lists send.
std::unique_ptr<TMobilStok> MobilStok(const PricedItem &priced);
std::unique_ptr<TMobilStoklar> MobilStoklar(const std::vector<StockItem> &items,
                                            const DiscountRates &customerRates);
std::unique_ptr<TMobilSepetler> MobilSepetler(const std::vector<BasketLine> &lines);

} // namespace appserver::orders
