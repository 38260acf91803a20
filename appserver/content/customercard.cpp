#include "customercard.h"

#include "mailrequests.h"

#include "appserver/data/database.h"
#include "platform/error.h"
#include "platform/numberformat.h"
#include "server/mobilstokunit.h"

#include <QSqlQuery>

namespace appserver::content {
namespace {

struct ComputerUser
{
    QString name;
    QString password;
    QString mail;
    int customerType = 0;
    qint64 customerId = 0; // 0: none
    qint64 salespersonId = 0;
};

ComputerUser UserOf(Database &db, const QString &machineId)
{
    const QString id = machineId.trimmed();
    if (id.isEmpty() || id.size() > kMaxMachineIdLength)
        throw platform::Error(QStringLiteral("A machine identifier of 1 to %1 characters is needed")
                                  .arg(kMaxMachineIdLength));
    QSqlQuery query = db.Exec(
        QStringLiteral("SELECT k.adi, k.sifre, k.mail, k.musteritipi, COALESCE(k.cari_id, 0),"
                       " COALESCE(k.satici_id, c.satici_id, 0)"
                       " FROM kullanici k LEFT JOIN cari c ON c.id = k.cari_id"
                       " WHERE k.bilgisayarid = ?"),
        {id});
    if (!query.next())
        throw platform::Error(QStringLiteral("This computer is not registered"));
    ComputerUser user;
    user.name = query.value(0).toString();
    user.password = query.value(1).toString();
    user.mail = query.value(2).toString();
    user.customerType = query.value(3).toInt();
    user.customerId = query.value(4).toLongLong();
    user.salespersonId = query.value(5).toLongLong();
    return user;
}

void FillSalesperson(Database &db, qint64 salespersonId, TMobilCariBilgisi &card)
{
    QSqlQuery query = db.Exec(QStringLiteral("SELECT adi, mail, telefon FROM satici WHERE id = ?"),
                              {salespersonId});
    if (!query.next())
        return;
    card.SetSATICIADI(query.value(0).toString());
    card.SetSATICIMAIL(query.value(1).toString());
    card.SetSATICITELEFON(query.value(2).toString());
}

} // namespace

std::unique_ptr<TMobilCariBilgisi> CustomerCard(Database &db, int customerNo,
                                                const QString &machineId,
                                                const AccountTotalsSource &totals)
{
    if (customerNo < 0)
        throw platform::Error(QStringLiteral("There is no customer account %1").arg(customerNo));
    const ComputerUser user = UserOf(db, machineId);
    auto card = std::make_unique<TMobilCariBilgisi>();
    card->SetBILGISAYARID(machineId.trimmed());
    card->SetKULLANICIADI(user.name);
    card->SetSIFRE(user.password);
    card->SetMAIL(user.mail);

    const qint64 customerId = customerNo == 0 ? user.customerId : customerNo;
    if (customerId == 0) {
        FillSalesperson(db, user.salespersonId, *card);
        return card;
    }
    QSqlQuery query = db.Exec(
        QStringLiteral(
            "SELECT id, kod, adi, COALESCE(satici_id, 0), adres1, adres2, ilce, sehir, ulke, tel1, "
            "tel2,"
            " gsm, fax1, fax2, email, vergidairesi, vergino, yetkili, anagrup, altgrup, ozelkod"
            " FROM cari WHERE id = ?"),
        {customerId});
    if (!query.next())
        throw platform::Error(QStringLiteral("There is no customer account %1").arg(customerId));
    const qint64 customerSalesperson = query.value(3).toLongLong();
    const bool maySee = customerId == user.customerId || user.customerType == 2 ||
                        (user.customerType == 1 && customerSalesperson == user.salespersonId);
    if (!maySee)
        throw platform::Error(
            QStringLiteral("This computer may not see customer account %1").arg(customerId));

    card->SetCARINO(qint32(customerId));
    card->SetCARIKOD(query.value(1).toString());
    card->SetCARIADI(query.value(2).toString());
    card->SetADRES1(query.value(4).toString());
    card->SetADRES2(query.value(5).toString());
    card->SetILCE(query.value(6).toString());
    card->SetSEHIR(query.value(7).toString());
    card->SetULKE(query.value(8).toString());
    card->SetTEL1(query.value(9).toString());
    card->SetTEL2(query.value(10).toString());
    card->SetGSM(query.value(11).toString());
    card->SetFAX1(query.value(12).toString());
    card->SetFAX2(query.value(13).toString());
    card->SetEMAIL(query.value(14).toString());
    card->SetVERGIDAIRESI(query.value(15).toString());
    card->SetVERGINO(query.value(16).toString());
    card->SetYETKILI(query.value(17).toString());
    card->SetAnaGrup(query.value(18).toString());
    card->SetAltGrup(query.value(19).toString());
    card->SetOzelKod(query.value(20).toString());
    // The customer's own salesperson, who looks after the account.
    FillSalesperson(db, customerSalesperson != 0 ? customerSalesperson : user.salespersonId, *card);

    if (totals) {
        const AccountTotals t = totals(db, customerId);
        card->SetTLBORC(platform::RoundHalfAwayFromZero(t.debit, 2));
        card->SetTLALACAK(platform::RoundHalfAwayFromZero(t.credit, 2));
        card->SetTLBAKIYE(platform::RoundHalfAwayFromZero(t.debit - t.credit, 2));
    }
    return card;
}

} // namespace appserver::content
