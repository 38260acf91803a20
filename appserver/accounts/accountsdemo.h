#pragma once

#include <QDate>
#include <QtGlobal>

namespace appserver {

class Database;

// Fills the account tables for the demo customers: an opening balance for some, sales
// invoices and a few returns over the last six months, collections in cash, cheque and
// transfer, card payments with their receipts, and a month of exchange rates. The same seed
// gives the same data, dated back from `today`. Needs the core demo data (customers, stock
// items) and a QGuiApplication (the receipts).
void SeedAccountsDemo(Database &db, quint32 seed, const QDate &today);
void SeedAccountsDemo(Database &db, quint32 seed); // dated back from the current day

} // namespace appserver
