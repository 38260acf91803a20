#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::accounts {

struct DayRange;

// One line of a customer's statement and the document behind it.
struct Movement
{
    qint64 customerId = 0;
    QDateTime when;
    QString kind;   // TURADI: "Satış Faturası", "Tahsilat", "Tediye", ...
    QString number; // the document number
    QString text;
    double debit = 0;  // the customer owes more
    double credit = 0; // the customer owes less
    std::optional<QDate> due;
    qint64 invoiceId = 0;    // 0: none
    qint64 collectionId = 0; // 0: none
};

// Writes the line; part of the caller's transaction.
qint64 AddMovement(Database &db, const Movement &movement);

// The statement in date order with the balance after each line (CARINO, TARIH, TURADI, EVRAK,
// BORC, ALACAK, KUR, BAKIYE, D, IDNO, ACIKLAMA, VADE). IDNO names the line, by which the
// client asks for the invoice or the collection behind it. No rows for an unknown customer.
std::unique_ptr<platform::DataSet> StatementTable(Database &db, qint64 customerId);
// The lines of whole days in the range; the balance carries what came before.
std::unique_ptr<platform::DataSet> StatementTable(Database &db, qint64 customerId,
                                                  const DayRange &days);
// One row: the customer and the totals before the given day (CARINO, CARIKOD, CARIADI, TARIH,
// BORC, ALACAK, BAKIYE, D); no row for an unknown customer.
std::unique_ptr<platform::DataSet> StatementHeading(Database &db, qint64 customerId,
                                                    const QDate &first);

// Debits less credits; none for an unknown customer.
std::optional<double> Balance(Database &db, qint64 customerId);
// Debits less credits of the movements up to the end of `day`.
double BalanceAt(Database &db, qint64 customerId, const QDate &day);
// The balance as the payment page takes it: "1234.50", "-20.00"; empty for an unknown customer.
QString BalanceText(Database &db, qint64 customerId);

// Debts past their due date at the end of `today`: the movements up to that day count, credits
// pay the debts in the order they fall due, what remains of a debt due before `today` is overdue.
struct Overdue
{
    double amount = 0;
    QDate oldestDue; // invalid when nothing is overdue
};
Overdue OverdueDebt(Database &db, qint64 customerId, const QDate &today);
// The account warning shown above the basket; empty when nothing is overdue.
QString OverdueWarning(Database &db, qint64 customerId, const QDate &today);

// Turkish money text "1.234,56".
QString Money(double value);

} // namespace appserver::accounts
