#pragma once

#include "caller.h"

#include <QString>
#include <optional>

namespace appserver {
class Database;
}

namespace appserver::orders {

// What the customer chose for an order besides its lines.
struct OrderRequest
{
    qint64 teslim = 1;     // delivery kind (teslimcinsi)
    qint64 kargo = 1;      // cargo kind (kargocinsi)
    qint64 kargoFirma = 1; // cargo company (kargofirma)
    QString note;          // the customer's message
};

// Turns the caller's customer's selected basket lines (SEC = 1) into one order and removes them
// from the basket, all in one transaction: either the order with every selected line exists
// afterwards and the basket has lost exactly those lines, or nothing changed. Returns the new
// order's number, or nothing when no line is selected. Raises platform::Error for an unknown
// delivery kind, cargo kind or company, a note that is too long, or a basket that changed
// under the call; the transaction is then rolled back.
std::optional<qint64> SubmitOrder(Database &db, const Caller &caller, const OrderRequest &request);

// Rewrites an order's totals as the sums of its lines, each running sum rounded to cents after
// every addition, the way the client adds the lines up.
void RecomputeOrderTotals(Database &db, qint64 siparisId);

} // namespace appserver::orders
