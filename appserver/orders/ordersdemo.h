#pragma once

#include <QDate>
#include <QtGlobal>

namespace appserver {

class Database;

// Fills the basket and order tables with demo data made from the customers, users and stock
// items already in the database: baskets with selected and unselected lines, and orders in
// every state (received, approved, seen, partly prepared, prepared, shipped) whose lines are
// delivered in full, in part or not yet, so that open balances exist. The same seed over the
// same core data gives the same rows; dates lie in the 90 days before `today`. Does nothing
// when baskets or orders already exist, or when there are no customers or items.
void SeedOrdersDemo(Database &db, quint32 seed, QDate today = QDate::currentDate());

} // namespace appserver
