#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace appserver {
class Database;
}

namespace appserver::accounts {

// A payment by card on the wholesaler's payment page.
struct CardPayment
{
    qint32 customerId = 0; // the CARINO the page was opened with
    double amount = 0;     // lira; rounded to cents, 0.01 to 10,000,000
    // The card number or just its last digits; spaces and dashes are ignored. Only the last
    // four digits are kept.
    QString cardDigits;
    QString cardHolder;   // up to 100 characters
    QString approvalCode; // the bank's approval code; one is made when empty
    QDateTime when;       // now when invalid
};

struct CardPaymentReceipt
{
    qint32 number = 0;     // the sequence number the client asks the receipt by
    qint64 movementId = 0; // the statement line
    qint64 collectionId = 0;
    QByteArray pdf; // the receipt
};

// Books a card payment: a collection of kind "Kredi Kartı" with its statement line (a credit)
// and the payment with its PDF receipt, all in one transaction. Raises platform::Error with the
// reason for an unknown customer, an amount out of range or card digits that are not digits.
// Needs a QGuiApplication for the receipt.
CardPaymentReceipt RecordCardPayment(Database &db, const CardPayment &payment);

// The same inside the caller's transaction (the demo data books many at once).
CardPaymentReceipt RecordCardPaymentInTransaction(Database &db, const CardPayment &payment);

// The receipt of card payment `number`; empty when there is no such payment.
QByteArray CardPaymentPdf(Database &db, qint64 number);

} // namespace appserver::accounts
