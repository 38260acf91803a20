#include "caller.h"

#include "appserver/data/database.h"
#include "platform/error.h"
#include "platform/marshal.h"
#include "session/baglantiu.h"

namespace appserver::orders {

std::optional<Customer> FindCustomer(Database &db, qint64 cariId)
{
    QSqlQuery q = db.Exec(
        QStringLiteral("SELECT id, kod, adi, ind1, ind2, ind3, ind4 FROM cari WHERE id = ?"),
        {cariId});
    if (!q.next())
        return std::nullopt;
    Customer c;
    c.id = q.value(0).toLongLong();
    c.kod = q.value(1).toString();
    c.adi = q.value(2).toString();
    for (int i = 0; i < 4; ++i)
        c.rates[size_t(i)] = q.value(3 + i).toDouble();
    return c;
}

Caller ResolveCaller(Database &db, const QJsonValue &record, const QString &method, UserRule rule)
{
    const std::unique_ptr<TSonucBilgisi> session =
        platform::marshal::Reader().Read<TSonucBilgisi>(record);
    if (!session)
        throw platform::Error(QStringLiteral("%1: the session record is missing").arg(method));

    Caller caller;
    const std::optional<Customer> customer = FindCustomer(db, session->CARINO());
    if (!customer)
        throw platform::Error(
            QStringLiteral("%1: customer %2 does not exist").arg(method).arg(session->CARINO()));
    caller.customer = *customer;

    if (session->Sirano() == 0) {
        if (rule == UserRule::Required)
            throw platform::Error(
                QStringLiteral("%1: the session record names no user").arg(method));
        return caller;
    }
    QSqlQuery q = db.Exec(
        QStringLiteral("SELECT id, adi, musteritipi, aktif, cari_id FROM kullanici WHERE id = ?"),
        {session->Sirano()});
    if (!q.next())
        throw platform::Error(
            QStringLiteral("%1: user %2 does not exist").arg(method).arg(session->Sirano()));
    caller.userId = q.value(0).toLongLong();
    caller.userName = q.value(1).toString();
    caller.userType = q.value(2).toInt();
    if (q.value(3).toInt() != 1)
        throw platform::Error(
            QStringLiteral("%1: user %2 is not active").arg(method, caller.userName));
    const QVariant ownAccount = q.value(4);
    const bool salesperson = caller.userType == 1 || caller.userType == 2;
    if (!salesperson && (ownAccount.isNull() || ownAccount.toLongLong() != caller.customer.id))
        throw platform::Error(QStringLiteral("%1: user %2 may not act for customer %3")
                                  .arg(method, caller.userName, caller.customer.kod));
    return caller;
}

void RequireSameCustomer(const Caller &caller, qint64 carino, const QString &method)
{
    if (carino != caller.customer.id)
        throw platform::Error(
            QStringLiteral("%1: customer %2 is not the customer of the session record (%3)")
                .arg(method)
                .arg(carino)
                .arg(caller.customer.id));
}

} // namespace appserver::orders
