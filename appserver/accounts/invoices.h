#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::accounts {

struct InvoiceLine
{
    qint64 stockId = 0; // 0: an item outside the stock list
    QString code, barcode, oem, name, finish, brand, model, group, department;
    QString unit = QStringLiteral("ADET");
    QString specialCode, makerCode, dpCode, text;
    double quantity = 0;
    double unitPrice = 0;
    double discount1 = 0; // percent
    double discount2 = 0; // percent, on what the first left
    double vatRate = 0;   // percent
    double expense = 0;   // added to the line's net amount
};

struct Invoice
{
    qint64 customerId = 0;
    QDateTime when;
    QString number;
    bool isReturn = false;    // a return credits the customer
    qint64 salespersonId = 0; // 0: none
    int termDays = 0;         // the debt falls due this many days after the invoice
    QString deliveryNote;
    QDateTime deliveryDate;
    QString orderNumber;
    QDateTime orderDate;
    QString text;
    std::vector<InvoiceLine> lines;
};

struct RecordedInvoice
{
    qint64 invoiceId = 0;
    qint64 movementId = 0; // the statement line: the IDNO the client asks the invoice by
    double total = 0;      // including tax
};

// Writes the invoice, its lines with their derived amounts, its totals (the sums of the
// lines, rounded to cents after every addition) and its statement line. Runs inside the
// caller's transaction. Raises platform::Error for an invoice without lines or with a line
// whose quantity is not positive or whose price or rates are negative.
RecordedInvoice RecordInvoice(Database &db, const Invoice &invoice);

// The lines of the invoice behind statement line `movementId` of customer `customerId`, with
// the columns the invoice window shows; no rows when the line is not that customer's invoice.
std::unique_ptr<platform::DataSet> InvoiceLines(Database &db, qint64 customerId, qint64 movementId);
// One row of totals of the invoice behind statement line `movementId` (TOPLAM, TOPLAMINDIRIM,
// TOPLAMMASRAF, MATRAH, KDVTUTAR, KDVDAHIL, ...); no row when there is no such invoice.
std::unique_ptr<platform::DataSet> InvoiceTotals(Database &db, qint64 movementId);

} // namespace appserver::accounts
