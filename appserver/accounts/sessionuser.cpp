#include "sessionuser.h"

#include "appserver/data/database.h"
#include "platform/error.h"
#include "platform/marshal.h"
#include "session/baglantiu.h"

#include <QSqlQuery>

namespace appserver::accounts {

namespace {

const char *const kUserSql =
    "SELECT k.id, k.adi, k.musteritipi, COALESCE(k.satici_id, 0), COALESCE(s.adi, ''),"
    " COALESCE(k.cari_id, 0) FROM kullanici k LEFT JOIN satici s ON s.id = k.satici_id"
    " WHERE k.aktif = 1 AND k.id = ?";

SessionUser UserOf(QSqlQuery &query)
{
    SessionUser user;
    user.userId = query.value(0).toLongLong();
    user.name = query.value(1).toString();
    user.customerType = query.value(2).toInt();
    user.salespersonId = query.value(3).toLongLong();
    user.salespersonName = query.value(4).toString();
    user.ownCustomerId = query.value(5).toLongLong();
    return user;
}

} // namespace

SessionUser SessionOf(Database &db, const QJsonValue &record)
{
    const std::unique_ptr<TSonucBilgisi> session =
        platform::marshal::Reader().Read<TSonucBilgisi>(record);
    if (!session)
        throw platform::Error(QStringLiteral("Oturum bilgisi gönderilmedi."));
    QSqlQuery query = db.Exec(QLatin1String(kUserSql) + QStringLiteral(" AND k.bilgisayarid = ?"),
                              {session->Sirano(), session->BILGISAYARID()});
    if (!query.next())
        throw platform::Error(QStringLiteral(
            "Oturum bilgisi geçersiz: bu bilgisayara kayıtlı etkin bir kullanıcı yok."));
    SessionUser user = UserOf(query);
    user.recordCustomer = session->CARINO();
    return user;
}

SessionUser UserByNumber(Database &db, qint64 userId)
{
    QSqlQuery query = db.Exec(QLatin1String(kUserSql), {userId});
    if (!query.next())
        throw platform::Error(QStringLiteral("Kullanıcı bulunamadı: %1").arg(userId));
    return UserOf(query);
}

QString CustomerScope(const SessionUser &user, QVariantList &values)
{
    if (user.customerType == 2)
        return QStringLiteral("1 = 1");
    if (user.customerType == 1) {
        values << user.salespersonId;
        return QStringLiteral("c.satici_id = ?");
    }
    values << user.ownCustomerId;
    return QStringLiteral("c.id = ?");
}

qint64 ActingCustomer(Database &db, const SessionUser &user)
{
    if (user.recordCustomer <= 0)
        return 0;
    QVariantList values{user.recordCustomer};
    const QString scope = CustomerScope(user, values);
    return db.Scalar(QStringLiteral("SELECT c.id FROM cari c WHERE c.id = ? AND ") + scope, values)
                   .isValid()
               ? user.recordCustomer
               : 0;
}

} // namespace appserver::accounts
