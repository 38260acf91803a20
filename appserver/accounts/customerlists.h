#pragma once

#include <QString>
#include <memory>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::accounts {

struct SessionUser;

// The longest search text taken; a longer one matches nothing.
inline constexpr int kMaxSearchLength = 100;

// The customers the user may see whose code, name, contact, district or city hold every word
// of `text` (Turkish letters and case folded); all of them for an empty text. Columns of the
// customer picker: CARIKOD, CARIADI, SATICISI, TLBAKIYE, DURUM, CARINO, ... SEPET, ALINDI, ...
std::unique_ptr<platform::DataSet> SearchCustomers(Database &db, const SessionUser &user,
                                                   const QString &text);

// The customers of one list of the order-status board: 1 (or 0) those with items in their
// basket, 2 to 7 those with an order received, approved, seen, partly prepared, prepared or
// (lately) shipped. Any other code gives no rows.
std::unique_ptr<platform::DataSet> CustomersOnBoard(Database &db, const SessionUser &user,
                                                    int listCode);

} // namespace appserver::accounts
