#pragma once

#include "pricing.h"

#include <QJsonValue>
#include <QString>
#include <optional>

namespace appserver {
class Database;
}

namespace appserver::orders {

// A customer account as pricing sees it.
struct Customer
{
    qint64 id = 0;
    QString kod;
    QString adi;
    DiscountRates rates{};
};

std::optional<Customer> FindCustomer(Database &db, qint64 cariId);

// Who calls and for which customer, as the database knows them. The session record comes from
// the client, so only its numbers are taken from it; names, types and rates are looked up.
struct Caller
{
    Customer customer;
    qint64 userId = 0; // 0 when the record names no user
    QString userName;
    int userType = 0; // as the database has it; 0 without a user, which grants nothing

    // Salespeople (types 1 and 2) may put their own unit price on a basket line.
    bool MaySetBasketPrice() const { return userType == 1 || userType == 2; }
    // Only type 2 has the authority to change the price of an order already placed.
    bool MayChangeOrderPrice() const { return userType == 2; }
};

enum class UserRule { Optional, Required };

// Reads the session record argument of `method` and checks it: it must be present, name a
// known customer and, when it names a user (always, for UserRule::Required), a known active
// user who may act for that customer (salespeople for any, everyone else only for their own
// account). Raises platform::Error with the reason otherwise.
Caller ResolveCaller(Database &db, const QJsonValue &record, const QString &method, UserRule rule);

// The record's customer number must be the one the call names in its own parameter.
void RequireSameCustomer(const Caller &caller, qint64 carino, const QString &method);

} // namespace appserver::orders
