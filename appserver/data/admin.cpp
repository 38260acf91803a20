#include "admin.h"

#include "database.h"

#include "platform/error.h"

namespace appserver {

void RegisterComputer(Database &db, const QString &machineId, const QString &user,
                      const QString &password, int customerType, int customerId)
{
    const QString id = machineId.trimmed();
    if (id.isEmpty() || id.contains(QLatin1Char(' ')))
        throw platform::Error(QStringLiteral("A machine identifier is one word without blanks"));
    if (user.trimmed().isEmpty() || password.isEmpty())
        throw platform::Error(QStringLiteral("A user needs a name and a password"));
    if (customerType < 0 || customerType > 4)
        throw platform::Error(QStringLiteral("The customer type is 0 to 4"));
    Transaction tx(db);
    const QVariant satici =
        db.Scalar(QStringLiteral("SELECT satici_id FROM cari WHERE id = ?"), {customerId});
    if (!satici.isValid())
        throw platform::Error(QStringLiteral("There is no customer account %1").arg(customerId));
    // The login compares upper-case entries: store them so.
    const QString name = user.trimmed().toUpper();
    const QString pass = password.toUpper();
    if (db.Scalar(QStringLiteral("SELECT id FROM kullanici WHERE bilgisayarid = ?"), {id})
            .isValid())
        db.Exec(
            QStringLiteral(
                "UPDATE kullanici SET adi = ?, sifre = ?, aktif = 1, musteritipi = ?, cari_id = ?,"
                " satici_id = ? WHERE bilgisayarid = ?"),
            {name, pass, customerType, customerId, satici, id});
    else
        db.Exec(QStringLiteral("INSERT INTO kullanici (bilgisayarid, adi, sifre, aktif, "
                               "musteritipi, cari_id, satici_id)"
                               " VALUES (?, ?, ?, 1, ?, ?, ?)"),
                {id, name, pass, customerType, customerId, satici});
    tx.Commit();
}

void SetSetting(Database &db, const QString &key, const QString &value)
{
    Transaction tx(db);
    db.Exec(QStringLiteral("DELETE FROM ayar WHERE anahtar = ?"), {key});
    db.Exec(QStringLiteral("INSERT INTO ayar (anahtar, deger) VALUES (?, ?)"), {key, value});
    tx.Commit();
}

QString Setting(Database &db, const QString &key, const QString &fallback)
{
    const QVariant v = db.Scalar(QStringLiteral("SELECT deger FROM ayar WHERE anahtar = ?"), {key});
    return v.isValid() ? v.toString() : fallback;
}

} // namespace appserver
