#include "counters.h"

#include "sessionuser.h"
#include "sqldates.h"

#include "appserver/data/database.h"
#include "platform/dataset.h"
#include "platform/marshal.h"
#include "session/baglantiu.h"

#include <QSqlQuery>

namespace appserver::accounts {
namespace {

using platform::FieldType;

// The order states as stored by the order methods.
enum State { Alindi = 1, Onaylandi, Goruldu, ParcaliHazirlandi, Hazirlandi, SevkEdildi };

// The opening adverts are another module's table; a server without it shows no announcements.
const char *const kAdvertTable = "acilis_reklam";

bool TableExists(Database &db, const QString &table)
{
    const QString sql =
        db.IsSqlite()
            ? QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?")
            : QStringLiteral("SELECT 1 FROM information_schema.tables WHERE table_name = ?"
                             " AND table_schema = current_schema()");
    return db.Scalar(sql, {table}).isValid();
}

} // namespace

int AnnouncementCount(Database &db)
{
    const QString table = QLatin1String(kAdvertTable);
    if (!TableExists(db, table))
        return 0;
    // The name is a constant of this file, never input.
    return db.Scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

std::unique_ptr<platform::DataSet> TabCounters(Database &db, qint64 customer)
{
    return db.Table(
        QStringLiteral("SELECT (SELECT COUNT(*) FROM sepet WHERE cari_id = ?),"
                       " (SELECT COUNT(*) FROM stok WHERE yeni <> 0),"
                       " (SELECT COUNT(*) FROM stok WHERE kampanyali <> 0 AND kampfiyat > 0),"
                       " CAST(? AS INTEGER),"
                       " (SELECT COALESCE(SUM(l.miktar - l.teslimedilen), 0) FROM siparis_satir l"
                       "  JOIN siparis o ON o.id = l.siparis_id WHERE o.cari_id = ? AND l.miktar > "
                       "l.teslimedilen)"),
        {customer, AnnouncementCount(db), customer},
        {{"SEPET", FieldType::Integer},
         {"YENI", FieldType::Integer},
         {"KAMPANYALI", FieldType::Integer},
         {"DUYURU", FieldType::Integer},
         {"BAKIYE", FieldType::Float}});
}

int CustomersWithBasket(Database &db, const SessionUser &user)
{
    QVariantList values;
    const QString scope = CustomerScope(user, values);
    return db
        .Scalar(QStringLiteral("SELECT COUNT(*) FROM cari c WHERE ") + scope +
                    QStringLiteral(" AND EXISTS (SELECT 1 FROM sepet b WHERE b.cari_id = c.id)"),
                values)
        .toInt();
}

QJsonObject OrderStateCounters(Database &db, const SessionUser &user)
{
    QVariantList values{int(SevkEdildi),
                        DateText(QDate::currentDate().addDays(-kShippedDaysOnBoard))};
    const QString scope = CustomerScope(user, values);
    QSqlQuery query =
        db.Exec(QStringLiteral("SELECT o.durum, COUNT(DISTINCT o.cari_id) FROM siparis o"
                               " JOIN cari c ON c.id = o.cari_id"
                               " WHERE (o.durum <> ? OR o.tarih >= ?) AND ") +
                    scope + QStringLiteral(" GROUP BY o.durum"),
                values);
    TTusSonuclari counters;
    while (query.next()) {
        const int count = query.value(1).toInt();
        switch (query.value(0).toInt()) {
        case Alindi:
            counters.SetAlindi(count);
            break;
        case Onaylandi:
            counters.SetOnaylandi(count);
            break;
        case Goruldu:
            counters.SetGoruldu(count);
            break;
        case ParcaliHazirlandi:
            counters.SetParcaliHazirlandi(count);
            break;
        case Hazirlandi:
            counters.SetHazirlandi(count);
            break;
        case SevkEdildi:
            counters.SetSevkEdildi(count);
            break;
        default:
            break;
        }
    }
    return platform::marshal::Writer().Write(counters);
}

} // namespace appserver::accounts
