#include "signin.h"

#include "appserver/data/database.h"
#include "platform/marshal.h"
#include "session/baglantiu.h"

#include <QSqlQuery>

namespace appserver::accounts {
namespace {

void RememberUnknownComputer(Database &db, const QString &machineId)
{
    const QString now = NowText();
    db.Exec(QStringLiteral(
                "INSERT INTO access_request (bilgisayarid, ilk, son, adet) VALUES (?, ?, ?, 1)"
                " ON CONFLICT (bilgisayarid) DO UPDATE SET son = excluded.son,"
                " adet = access_request.adet + 1"),
            {machineId, now, now});
}

} // namespace

int OfferedVersion(Database &db)
{
    bool ok = false;
    const int version = db.Scalar(QStringLiteral("SELECT deger FROM ayar WHERE anahtar = ?"),
                                  {QStringLiteral("version")})
                            .toString()
                            .trimmed()
                            .toInt(&ok);
    return ok ? version : 7;
}

QJsonObject SignInRecord(Database &db, const QString &machineId)
{
    TSonucBilgisi record;
    record.SetVersion(OfferedVersion(db));
    record.SetMusteriTipi(0);
    const QString id = machineId.trimmed();
    if (id.isEmpty() || id.size() > kMaxMachineIdLength)
        return platform::marshal::Writer().Write(record);

    QSqlQuery query = db.Exec(
        QStringLiteral(
            "SELECT k.id, k.adi, k.sifre, k.aktif, k.musteritipi, k.mail,"
            " COALESCE(c.id, 0), COALESCE(c.kod, ''), COALESCE(c.adi, ''),"
            " COALESCE(s.id, 0), COALESCE(s.adi, ''), COALESCE(s.mail, ''), COALESCE(s.telefon, '')"
            " FROM kullanici k"
            " LEFT JOIN cari c ON c.id = k.cari_id"
            " LEFT JOIN satici s ON s.id = COALESCE(k.satici_id, c.satici_id)"
            " WHERE k.bilgisayarid = ?"),
        {id});
    if (!query.next()) {
        RememberUnknownComputer(db, id);
        return platform::marshal::Writer().Write(record);
    }
    record.SetBILGISAYARID(id);
    record.SetVarmi(true);
    record.SetSirano(query.value(0).toInt());
    record.SetADI(query.value(1).toString());
    record.SetSIFRE(query.value(2).toString());
    record.SetAKTIF(query.value(3).toInt());
    record.SetMusteriTipi(query.value(4).toInt());
    record.SetKullanicimail(query.value(5).toString());
    record.SetCARINO(query.value(6).toInt());
    record.Setcarikod(query.value(7).toString());
    record.SetCariAdi(query.value(8).toString());
    record.SetSaticiNo(query.value(9).toInt());
    record.SetSaticiAdi(query.value(10).toString());
    record.SetSaticiMail(query.value(11).toString());
    record.SetSaticiTelefon(query.value(12).toString());
    return platform::marshal::Writer().Write(record);
}

} // namespace appserver::accounts
