#include "listreports.h"

#include "sessionuser.h"
#include "sqldates.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"

namespace appserver::accounts {

using platform::FieldType;

std::unique_ptr<platform::DataSet> ReceivedOrders(Database &db, const SessionUser &user,
                                                  const DayRange &days)
{
    QVariantList values{days.from, days.until};
    const QString scope = CustomerScope(user, values);
    return db.Table(
        QStringLiteral(
            "SELECT COALESCE(s.adi, ''), o.id, o.cari_id, o.tarih, 'TL', 1.0, COALESCE(o.veren_id, "
            "0),"
            " COALESCE(kc.adi, ''), COALESCE(tc.adi, ''), COALESCE(k.adi, ''), c.kod, c.adi,"
            " COALESCE(d.adi, ''), COALESCE(kf.adi, ''), o.vergitutari, o.nettutar, o.kdvlitutar"
            " FROM siparis o JOIN cari c ON c.id = o.cari_id"
            " LEFT JOIN satici s ON s.id = c.satici_id"
            " LEFT JOIN kullanici k ON k.id = o.veren_id"
            " LEFT JOIN kargocinsi kc ON kc.id = o.kargo_id"
            " LEFT JOIN teslimcinsi tc ON tc.id = o.teslim_id"
            " LEFT JOIN kargofirma kf ON kf.id = o.kargofirma_id"
            " LEFT JOIN siparisdurum d ON d.id = o.durum"
            " WHERE o.tarih >= ? AND o.tarih < ? AND ") +
            scope + QStringLiteral(" ORDER BY s.adi, o.tarih, o.id"),
        values,
        {{"SATICIADI", FieldType::String, 50},
         {"IDNO", FieldType::Float},
         {"CARINO", FieldType::Integer},
         {"TARIH", FieldType::Date},
         {"KUR", FieldType::String, 5},
         {"KURTL", FieldType::Float},
         {"VERENIDNO", FieldType::Integer},
         {"KARGO", FieldType::String, 50},
         {"TESLIM", FieldType::String, 50},
         {"VEREN", FieldType::String, 50},
         {"CARIKOD", FieldType::String, 25},
         {"CARIADI", FieldType::String, 100},
         {"DURUM", FieldType::String, 100},
         {"KARGOADI", FieldType::String, 50},
         {"VERGI", FieldType::Float},
         {"NETTUTAR", FieldType::Float},
         {"TUTAR", FieldType::Float}});
}

std::unique_ptr<platform::DataSet> BestSellingItems(Database &db, const SessionUser &user,
                                                    const DayRange &days)
{
    QVariantList values{days.from, days.until};
    const QString scope = CustomerScope(user, values);
    return db.Table(
        QStringLiteral("SELECT l.barkod, l.kod, l.stokadi, l.departman, SUM(f.yon * l.miktar),"
                       " SUM(f.yon * l.nettutar), SUM(f.yon * l.vergi), SUM(f.yon * (l.nettutar + "
                       "l.vergi)) AS toplam"
                       " FROM fatura_satir l JOIN fatura f ON f.id = l.fatura_id JOIN cari c ON "
                       "c.id = f.cari_id"
                       " WHERE f.tarih >= ? AND f.tarih < ? AND ") +
            scope +
            QStringLiteral(" GROUP BY l.barkod, l.kod, l.stokadi, l.departman"
                           " ORDER BY toplam DESC, l.kod"),
        values,
        {{"BARKOD", FieldType::String, 50},
         {"KOD", FieldType::String, 50},
         {"ADI", FieldType::String, 100},
         {"DEPARTMAN", FieldType::String, 50},
         {"MIKTAR", FieldType::Float},
         {"NETTUTAR", FieldType::Float},
         {"TLVERGI", FieldType::Float},
         {"TUTAR", FieldType::Float}});
}

} // namespace appserver::accounts
