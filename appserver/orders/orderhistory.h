#pragma once

#include <QtGlobal>
#include <memory>

class TSiparisDipAyrinti;

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::orders {

inline constexpr int kMaxHistoryRows = 5000; // order lines in one answer, newest first

// The customer's orders, newest first, one row per order (IDNO, TARIH, TESLIM, KARGO, VEREN,
// the totals, DURUM as text, KARGOADI and both parties' notes).
std::unique_ptr<platform::DataSet> OrderList(Database &db, qint64 cariId);

// The lines of one order of the customer; empty when the order is not the customer's.
std::unique_ptr<platform::DataSet> OrderLines(Database &db, qint64 cariId, qint64 siparisId);

// The customer's order lines across all orders, for one item or (stokId 0) for all.
std::unique_ptr<platform::DataSet> OrderLinesOfItem(Database &db, qint64 cariId, qint64 stokId);

// The customer's order lines with an open balance (ordered − delivered above 0), oldest first.
std::unique_ptr<platform::DataSet> OpenBalances(Database &db, qint64 cariId);

// The footer data of an order: state, delivery and cargo kinds, cargo company, who placed it and
// the three messages. cariId 0 accepts the order of any customer (the client sends 0); another
// number must be the order's customer. Empty strings when there is no such order.
std::unique_ptr<TSiparisDipAyrinti> OrderFooter(Database &db, qint64 cariId, qint64 siparisId);

} // namespace appserver::orders
