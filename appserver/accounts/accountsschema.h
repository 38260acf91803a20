#pragma once

#include "appserver/data/schema.h"

#include <vector>

namespace appserver {

// The tables of customer accounts: account movements (the statement), invoices with their
// lines and totals, collections with their lines, card payments with their PDF receipts,
// exchange rates, and the sign-in attempts of computers the server does not know.
std::vector<SchemaStep> AccountsSchema();

} // namespace appserver
