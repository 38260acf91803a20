#include "accessrequests.h"

#include "mailrequests.h"

#include "appserver/data/database.h"
#include "platform/error.h"

namespace appserver::content {

QString AccessRequestProblem(const AccessRequest &r)
{
    if (r.machineId.trimmed().isEmpty())
        return QStringLiteral("Bilgisayar kimliği eksik. Lütfen programdan tekrar deneyiniz.");
    if (r.machineId.trimmed().size() > kMaxMachineIdLength)
        return QStringLiteral("Bilgisayar kimliği çok uzun.");
    if (r.firm.trimmed().isEmpty())
        return QStringLiteral("Firma Adı boş olamaz !");
    if (r.contact.trimmed().isEmpty())
        return QStringLiteral("Yetkili boş olamaz !");
    if (r.phone.trimmed().isEmpty())
        return QStringLiteral("Telefon boş olamaz !");
    for (const QString *field : {&r.user, &r.firm, &r.contact, &r.phone, &r.mail, &r.city}) {
        if (field->size() > kMaxAccessFieldLength)
            return QStringLiteral("Alanlar en çok %1 karakter olabilir.")
                .arg(kMaxAccessFieldLength);
    }
    if (r.note.size() > kMaxAccessNoteLength)
        return QStringLiteral("Açıklama en çok %1 karakter olabilir.").arg(kMaxAccessNoteLength);
    return QString();
}

qint64 StoreAccessRequest(Database &db, const AccessRequest &r)
{
    const QString problem = AccessRequestProblem(r);
    if (!problem.isEmpty())
        throw platform::Error(problem);
    const QString machineId = r.machineId.trimmed();
    Transaction tx(db);
    if (db.Scalar(QStringLiteral("SELECT COUNT(*) FROM erisim_istegi WHERE bilgisayarid = ?"),
                  {machineId})
            .toInt() >= kMaxAccessRequestsPerComputer)
        return 0;
    const qint64 id = db.Insert(
        QStringLiteral("INSERT INTO erisim_istegi (bilgisayarid, kullanici, firmaadi, yetkili,"
                       " telefon, mail, sehir, aciklama, ipadres, zaman)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {machineId, r.user.trimmed(), r.firm.trimmed(), r.contact.trimmed(), r.phone.trimmed(),
         r.mail.trimmed(), r.city.trimmed(), r.note, r.address, NowText()});
    tx.Commit();
    return id;
}

} // namespace appserver::content
