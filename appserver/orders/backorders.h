#pragma once

#include "caller.h"

namespace appserver {
class Database;
}

namespace appserver::orders {

// Which order line a balance command means, as the balance list gave it: the line's movement
// number (STOKHAR_NO), the basket line it came from (SIRANO) and, when not 0, its item.
struct BalanceLine
{
    qint64 satirNo = 0;
    qint64 sepetSirano = 0;
    qint64 stokNo = 0;
};

// Changes to open balances (ordered − delivered) of the caller's customer's order lines. A
// balance changes through the line's ordered quantity; the line's amounts and its order's
// totals are priced again in the same transaction. Each returns 1 when it changed the line and
// 0 when the caller's customer has no such line with an open balance; values out of range
// raise platform::Error and change nothing.
class BackOrders
{
public:
    explicit BackOrders(Database &db) : m_db(db) {}

    // Closes the balance: the line keeps only what was delivered.
    int Delete(const Caller &caller, const BalanceLine &line);
    // Sets the balance to `balance` (above 0, at most the basket's maximum quantity).
    int Change(const Caller &caller, const BalanceLine &line, double balance);
    // Sets the line's unit price and one discount rate (the other rates go to 0); only for
    // users with price authority.
    int ChangePrice(const Caller &caller, const BalanceLine &line, double price, double rate);

private:
    Database &m_db;
};

} // namespace appserver::orders
