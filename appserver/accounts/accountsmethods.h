#pragma once

namespace appserver {

class DatabasePool;
class MethodHandlers;

// The methods of sign-in, the tab counters, the customer account (statement, invoices,
// collections, card-payment receipts, balance and overdue warning, exchange rates) and the
// salesperson's console and reports. The pool must outlive the handlers.
void RegisterAccountsMethods(MethodHandlers &handlers, DatabasePool &pool);

} // namespace appserver
