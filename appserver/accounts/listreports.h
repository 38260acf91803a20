#pragma once

#include <memory>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::accounts {

struct DayRange;
struct SessionUser;

// The orders received in the days of the range from the customers the user may see, one row
// per order with the columns the reports window groups by salesperson and sums.
std::unique_ptr<platform::DataSet> ReceivedOrders(Database &db, const SessionUser &user,
                                                  const DayRange &days);

// The items invoiced in the days of the range to the customers the user may see, returns
// subtracted, one row per item, the best sellers first.
std::unique_ptr<platform::DataSet> BestSellingItems(Database &db, const SessionUser &user,
                                                    const DayRange &days);

} // namespace appserver::accounts
