#include "ordersubmit.h"

#include "inputcheck.h"
#include "ordersschema.h"
#include "storedline.h"

#include "appserver/data/database.h"
#include "platform/error.h"

namespace appserver::orders {
namespace {

void RequireListed(Database &db, const char *table, qint64 id, const QString &what)
{
    // `table` is one of the fixed reference tables named below, never input.
    if (!db.Scalar(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(QLatin1String(table)), {id})
             .isValid())
        throw platform::Error(QStringLiteral("%1 %2 does not exist").arg(what).arg(id));
}

QVariant UserOrNull(qint64 userId)
{
    return userId ? QVariant(userId) : QVariant(QMetaType::fromType<qint64>());
}

} // namespace

std::optional<qint64> SubmitOrder(Database &db, const Caller &caller, const OrderRequest &request)
{
    RequireTextLength(request.note, kMaxNoteLength, QStringLiteral("The order note"));
    RequireListed(db, "teslimcinsi", request.teslim, QStringLiteral("Delivery kind"));
    RequireListed(db, "kargocinsi", request.kargo, QStringLiteral("Cargo kind"));
    RequireListed(db, "kargofirma", request.kargoFirma, QStringLiteral("Cargo company"));

    Transaction tx(db);
    // Writing first takes the database's write lock before the basket is read, so two sends of
    // the same basket cannot both see its selected lines.
    const QString now = NowText();
    const qint64 siparisId = db.Insert(
        QStringLiteral("INSERT INTO siparis (cari_id, veren_id, tarih, durum, teslim_id, kargo_id,"
                       " kargofirma_id, aciklama) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {caller.customer.id, UserOrNull(caller.userId), now, int(SiparisDurumu::Alindi),
         request.teslim, request.kargo, request.kargoFirma, request.note});

    struct Selected
    {
        qint64 sirano;
        qint64 stokId;
        QVariant verenId;
        double miktar;
        StoredLine priced;
    };
    std::vector<Selected> selected;
    {
        QSqlQuery q = db.Exec(QStringLiteral("SELECT b.id, b.stok_id, b.veren_id, b.miktar, %1"
                                             " FROM sepet b WHERE b.cari_id = ? AND b.sec = 1"
                                             " ORDER BY b.id")
                                  .arg(StoredLineColumns("b")),
                              {caller.customer.id});
        const RowValues row(q);
        while (q.next())
            selected.push_back({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2),
                                q.value(3).toDouble(), ReadStoredLine(row)});
    }
    if (selected.empty())
        return std::nullopt; // rolls the empty order back

    for (const Selected &line : selected) {
        QVariantList values = {siparisId, line.sirano, line.stokId, line.verenId,
                               now,       line.miktar, line.miktar, line.priced.birimfiyat};
        values << StoredLineValues(line.priced);
        db.Insert(QStringLiteral("INSERT INTO siparis_satir (siparis_id, sepet_sirano, stok_id,"
                                 " veren_id, tarih, ilkmiktar, miktar, ilkfiyat, %1)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, %2)")
                      .arg(StoredLineColumnNames(), StoredLinePlaceholders()),
                  values);
        QSqlQuery removed =
            db.Exec(QStringLiteral("DELETE FROM sepet WHERE id = ? AND cari_id = ? AND sec = 1"),
                    {line.sirano, caller.customer.id});
        if (removed.numRowsAffected() != 1)
            throw platform::Error(
                QStringLiteral("The basket changed while the order was being saved"));
    }
    RecomputeOrderTotals(db, siparisId);
    tx.Commit();
    return siparisId;
}

void RecomputeOrderTotals(Database &db, qint64 siparisId)
{
    double tutar = 0, indirim = 0, net = 0, vergi = 0, kdvli = 0;
    QSqlQuery q = db.Exec(QStringLiteral("SELECT tutar, indirimtutar, nettutar, vergitutari,"
                                         " kdvlitutar FROM siparis_satir WHERE siparis_id = ?"
                                         " ORDER BY id"),
                          {siparisId});
    while (q.next()) {
        tutar = Cents(tutar + q.value(0).toDouble());
        indirim = Cents(indirim + q.value(1).toDouble());
        net = Cents(net + q.value(2).toDouble());
        vergi = Cents(vergi + q.value(3).toDouble());
        kdvli = Cents(kdvli + q.value(4).toDouble());
    }
    db.Exec(QStringLiteral("UPDATE siparis SET tutar = ?, indirimtutar = ?, nettutar = ?,"
                           " vergitutari = ?, kdvlitutar = ? WHERE id = ?"),
            {tutar, indirim, net, vergi, kdvli, siparisId});
}

} // namespace appserver::orders
