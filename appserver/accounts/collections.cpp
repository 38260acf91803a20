#include "collections.h"

#include "sqldates.h"
#include "statement.h"
#include "tablecopy.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/numberformat.h"

#include <cmath>

namespace appserver::accounts {

using platform::FieldType;

RecordedCollection RecordCollection(Database &db, const Collection &collection)
{
    if (collection.lines.empty())
        throw platform::Error(QStringLiteral("Tahsilat satırı yok: %1").arg(collection.number));
    double total = 0;
    for (const CollectionLine &line : collection.lines) {
        if (!std::isfinite(line.amount) || line.amount <= 0)
            throw platform::Error(
                QStringLiteral("Geçersiz tahsilat tutarı: %1").arg(collection.number));
        total = platform::RoundHalfAwayFromZero(
            total + platform::RoundHalfAwayFromZero(line.amount, 2), 2);
    }
    const QString kind =
        collection.isPayment ? QStringLiteral("Tediye") : QStringLiteral("Tahsilat");
    RecordedCollection recorded;
    recorded.total = total;
    recorded.collectionId = db.Insert(
        QStringLiteral("INSERT INTO tahsilat (cari_id, tarih, saat, tur, evrakno, aciklama, tutar)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?)"),
        {collection.customerId, DateTimeText(collection.when),
         collection.when.toString(QStringLiteral("HH:mm")), kind, collection.number,
         collection.text, total});
    for (const CollectionLine &line : collection.lines)
        db.Exec(QStringLiteral("INSERT INTO tahsilat_satir (tahsilat_id, cins, vade, tutar, kur, "
                               "kurtl, doviztutar, ref,"
                               " aciklama) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {recorded.collectionId, line.kind,
                 line.due ? QVariant(DateText(*line.due)) : QVariant(),
                 platform::RoundHalfAwayFromZero(line.amount, 2), line.currency, line.rate,
                 line.foreignAmount, line.reference, line.text});

    Movement movement;
    movement.customerId = collection.customerId;
    movement.when = collection.when;
    movement.kind = kind;
    movement.number = collection.number;
    movement.text = collection.text;
    (collection.isPayment ? movement.debit : movement.credit) = total;
    if (collection.isPayment)
        movement.due = collection.when.date();
    movement.collectionId = recorded.collectionId;
    recorded.movementId = AddMovement(db, movement);
    return recorded;
}

std::unique_ptr<platform::DataSet> CollectionLines(Database &db, qint64 movementId)
{
    const std::unique_ptr<platform::DataSet> table =
        db.Table(QStringLiteral(
                     "SELECT t.tarih, t.tur, l.cins, t.evrakno, l.vade, l.tutar, l.kur, l.kurtl,"
                     " CASE WHEN l.aciklama <> '' THEN l.aciklama ELSE t.aciklama END, "
                     "l.doviztutar, l.ref, t.saat"
                     " FROM cari_hareket h JOIN tahsilat t ON t.id = h.tahsilat_id"
                     " JOIN tahsilat_satir l ON l.tahsilat_id = t.id WHERE h.id = ? ORDER BY l.id"),
                 {movementId},
                 {{"Tarih", FieldType::Date},
                  {"Turu", FieldType::String, 20},
                  {"Cins", FieldType::String, 20},
                  {"EvrakNo", FieldType::String, 30},
                  {"Vade", FieldType::Date},
                  {"Tutar", FieldType::Float},
                  {"Kur", FieldType::String, 5},
                  {"KurTL", FieldType::Float},
                  {"Aciklama", FieldType::String, 200},
                  {"DovizTutar", FieldType::Float},
                  {"Ref", FieldType::String, 30},
                  {"Saat", FieldType::String, 8}});
    return Renamed(*table,
                   {QStringLiteral("Tarih"), QStringLiteral("Türü"), QStringLiteral("Cins"),
                    QStringLiteral("EvrakNo"), QStringLiteral("Vade"), QStringLiteral("Tutar"),
                    QStringLiteral("Kur"), QStringLiteral("KurTL"), QStringLiteral("Açıklama"),
                    QStringLiteral("Döviz Tutar"), QStringLiteral("Ref"), QStringLiteral("Saat")});
}

qint32 CardPaymentNumber(Database &db, qint64 movementId)
{
    return db
        .Scalar(QStringLiteral("SELECT p.id FROM cari_hareket h JOIN sanalpos_odeme p ON "
                               "p.tahsilat_id = h.tahsilat_id"
                               " WHERE h.id = ?"),
                {movementId})
        .toInt();
}

} // namespace appserver::accounts
