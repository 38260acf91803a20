#pragma once

#include <QJsonObject>
#include <memory>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::accounts {

struct SessionUser;

// Shipped orders count on the board for this many days; older ones are history.
inline constexpr int kShippedDaysOnBoard = 30;

// The tab counters of the main window, one row: basket lines of the customer, new stock
// items, campaign items, announcements, and the open back-order quantity of the customer
// (SEPET, YENI, KAMPANYALI, DUYURU as Integer, BAKIYE as Float). Customer 0 has no basket
// and no back-orders.
std::unique_ptr<platform::DataSet> TabCounters(Database &db, qint64 customerId);

// How many of the customers the user may see have a basket with items.
int CustomersWithBasket(Database &db, const SessionUser &user);

// How many of the customers the user may see have an order in each state: the marshalled
// order-state counters.
QJsonObject OrderStateCounters(Database &db, const SessionUser &user);

// The number of announcements to show: the opening adverts, when that table exists.
int AnnouncementCount(Database &db);

} // namespace appserver::accounts
