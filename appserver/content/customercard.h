#pragma once

#include <QString>
#include <functional>
#include <memory>

class TMobilCariBilgisi;

namespace appserver {
class Database;
}

namespace appserver::content {

// A customer's debits and credits in Turkish lira, from the account ledger.
struct AccountTotals
{
    double debit = 0;
    double credit = 0;
};
using AccountTotalsSource = std::function<AccountTotals(Database &db, qint64 customerId)>;

// The account card of a customer as a computer may see it. Customer number 0 means the
// customer of the computer's own user. Another number is given only to a user who may see
// that customer: the customer's own user, its salesperson (type 1) or a type 2 user. The user
// fields (KULLANICIADI, SIFRE, MAIL) are those of the computer's user. A user without a
// customer gets a card with only the user and salesperson fields. Without a ledger (no
// `totals`) the amounts are 0.
// Raises platform::Error for a missing, overlong or unknown machine identifier, an unknown
// customer, or a customer the computer may not see.
std::unique_ptr<TMobilCariBilgisi> CustomerCard(Database &db, int customerNo,
                                                const QString &machineId,
                                                const AccountTotalsSource &totals);

} // namespace appserver::content
