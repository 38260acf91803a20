#pragma once

#include <QJsonValue>
#include <QString>
#include <QVariantList>

namespace appserver {
class Database;
}

namespace appserver::accounts {

// The user behind a session record, as the server knows it. The record comes from the client,
// so what it may see is decided by the stored user, not by the type the record claims.
struct SessionUser
{
    qint64 userId = 0;
    QString name;
    int customerType = 0;
    qint64 salespersonId = 0; // 0: none
    QString salespersonName;
    qint64 ownCustomerId = 0;
    qint32 recordCustomer = 0; // CARINO of the record: the customer acted for

    // Types 1 and 2 are the wholesaler's salespeople; type 2 sees every customer.
    bool IsSalesperson() const { return customerType == 1 || customerType == 2; }
};

// Raises platform::Error when the record is absent, is not a session record, or does not name
// (by Sirano and BILGISAYARID) an active user registered for that computer.
SessionUser SessionOf(Database &db, const QJsonValue &record);

// The active user with this record number (the `idno` of a report request); raises
// platform::Error when there is none.
SessionUser UserByNumber(Database &db, qint64 userId);

// A condition on the customer table aliased `c` that keeps the customers this user may see:
// all for type 2, the salesperson's own for type 1, the user's own account otherwise. Its
// values are appended to `values`.
QString CustomerScope(const SessionUser &user, QVariantList &values);

// The customer the user acts for: the record's CARINO when the user may see that customer,
// else 0 (no customer).
qint64 ActingCustomer(Database &db, const SessionUser &user);

} // namespace appserver::accounts
