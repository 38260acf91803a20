#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class DataSet;
}
namespace appserver {
class Database;
}

namespace appserver::accounts {

// One means of payment within a collection document.
struct CollectionLine
{
    QString kind; // "Nakit", "Kredi Kartı", "Çek", "Senet", "Havale"
    std::optional<QDate> due;
    double amount = 0; // in lira
    QString currency = QStringLiteral("TL");
    double rate = 1;
    double foreignAmount = 0;
    QString reference;
    QString text;
};

struct Collection
{
    qint64 customerId = 0;
    QDateTime when;
    bool isPayment = false; // Tediye: money paid out to the customer, a debit
    QString number;
    QString text;
    std::vector<CollectionLine> lines;
};

struct RecordedCollection
{
    qint64 collectionId = 0;
    qint64 movementId = 0; // the statement line
    double total = 0;
};

// Writes the document, its lines and its statement line (Tahsilat: credit; Tediye: debit).
// Runs inside the caller's transaction. Raises platform::Error for a document without lines
// or with an amount that is not positive.
RecordedCollection RecordCollection(Database &db, const Collection &collection);

// The lines of the collection behind statement line `movementId`, with the columns the
// collection window shows (Tarih, Türü, Cins, EvrakNo, Vade, Tutar, Kur, KurTL, Açıklama,
// Döviz Tutar, Ref, Saat); no rows when that line is not a collection.
std::unique_ptr<platform::DataSet> CollectionLines(Database &db, qint64 movementId);

// The sequence number of the card payment behind statement line `movementId`; 0 when the
// line is not a card payment.
qint32 CardPaymentNumber(Database &db, qint64 movementId);

} // namespace appserver::accounts
