#include "mailrequests.h"

#include "appserver/data/database.h"
#include "platform/error.h"

#include <QDateTime>
#include <QSqlQuery>
#include <utility>

namespace appserver::content {
namespace {

QString RequireMachineId(const QString &machineId)
{
    const QString id = machineId.trimmed();
    if (id.isEmpty())
        throw platform::Error(QStringLiteral("A request needs the computer's machine identifier"));
    if (id.size() > kMaxMachineIdLength)
        throw platform::Error(QStringLiteral("A machine identifier may have at most %1 characters")
                                  .arg(kMaxMachineIdLength));
    return id;
}

void RequireLength(const QString &value, int maxLength, const char *what)
{
    if (value.size() > maxLength)
        throw platform::Error(QStringLiteral("%1 is %2 characters long; at most %3 are allowed")
                                  .arg(QLatin1String(what))
                                  .arg(value.size())
                                  .arg(maxLength));
}

struct Sender
{
    QVariant customerId; // NULL when the computer is not known or has no customer
    QString recipient;
    QString userName;
    QString password;
    QString mail;
    bool known = false;
};

Sender SenderOf(Database &db, const QString &machineId)
{
    Sender sender;
    sender.customerId = QVariant(QMetaType(QMetaType::LongLong));
    QSqlQuery query =
        db.Exec(QStringLiteral("SELECT k.cari_id, COALESCE(s.mail, ''), k.adi, k.sifre, k.mail"
                               " FROM kullanici k"
                               " LEFT JOIN cari c ON c.id = k.cari_id"
                               " LEFT JOIN satici s ON s.id = COALESCE(k.satici_id, c.satici_id)"
                               " WHERE k.bilgisayarid = ?"),
                {machineId});
    if (!query.next())
        return sender;
    sender.known = true;
    if (!query.value(0).isNull())
        sender.customerId = query.value(0).toLongLong();
    sender.recipient = query.value(1).toString();
    sender.userName = query.value(2).toString();
    sender.password = query.value(3).toString();
    sender.mail = query.value(4).toString().trimmed();
    return sender;
}

void RequireDailyAllowance(Database &db, const QString &machineId)
{
    const QString since =
        QDateTime::currentDateTime().addDays(-1).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const int sent =
        db.Scalar(QStringLiteral(
                      "SELECT COUNT(*) FROM giden_posta WHERE bilgisayarid = ? AND zaman >= ?"),
                  {machineId, since})
            .toInt();
    if (sent >= kMaxMailsPerDay)
        throw platform::Error(
            QStringLiteral("This computer has sent %1 mails within a day; please try again later")
                .arg(sent));
}

qint64 Insert(Database &db, const MailRequest &r, const QString &machineId, const Sender &sender)
{
    return db.Insert(
        QStringLiteral(
            "INSERT INTO giden_posta (tur, bilgisayarid, cari_id, alici, baslik, firmaadi,"
            " adres1, adres2, ilce, sehir, telefon, fax, vd, vn, yetkili, kullaniciadi,"
            " sifre, mail, kargoambar, konu, zaman)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {MailKindText(r.kind),
         machineId,
         sender.customerId,
         sender.recipient,
         r.subject,
         r.firm,
         r.address1,
         r.address2,
         r.district,
         r.city,
         r.phone,
         r.fax,
         r.taxOffice,
         r.taxNumber,
         r.contact,
         r.userName,
         r.password,
         r.mail,
         r.cargo,
         r.body,
         NowText()});
}

} // namespace

QString MailKindText(MailKind kind)
{
    switch (kind) {
    case MailKind::Request:
        return QStringLiteral("istek");
    case MailKind::FreeText:
        return QStringLiteral("mail");
    case MailKind::PasswordReminder:
        break;
    }
    return QStringLiteral("hatirlatma");
}

qint64 StoreMailRequest(Database &db, const MailRequest &request)
{
    const QString machineId = RequireMachineId(request.machineId);
    if (request.kind == MailKind::PasswordReminder)
        throw platform::Error(QStringLiteral("Password reminders are made by the server only"));
    if (request.subject.trimmed().isEmpty())
        throw platform::Error(QStringLiteral("A mail needs a subject"));
    const std::pair<const QString *, const char *> fields[] = {
        {&request.subject, "The subject"},      {&request.firm, "The firm name"},
        {&request.address1, "The address"},     {&request.address2, "The second address line"},
        {&request.district, "The district"},    {&request.city, "The city"},
        {&request.phone, "The telephone"},      {&request.fax, "The fax"},
        {&request.taxOffice, "The tax office"}, {&request.taxNumber, "The tax number"},
        {&request.contact, "The contact"},      {&request.userName, "The user name"},
        {&request.password, "The password"},    {&request.mail, "The mail address"},
        {&request.cargo, "The cargo depot"},
    };
    for (const auto &[value, what] : fields)
        RequireLength(*value, kMaxFieldLength, what);
    RequireLength(request.body, kMaxBodyLength, "The message");

    Transaction tx(db);
    RequireDailyAllowance(db, machineId);
    const qint64 id = Insert(db, request, machineId, SenderOf(db, machineId));
    tx.Commit();
    return id;
}

bool QueuePasswordReminder(Database &db, const QString &machineId, bool &hasMail)
{
    hasMail = false;
    const QString id = machineId.trimmed();
    if (id.isEmpty() || id.size() > kMaxMachineIdLength)
        return false;
    Transaction tx(db);
    Sender sender = SenderOf(db, id);
    if (!sender.known)
        return false;
    hasMail = !sender.mail.isEmpty();
    if (!hasMail)
        return false;
    RequireDailyAllowance(db, id);
    MailRequest reminder;
    reminder.kind = MailKind::PasswordReminder;
    reminder.subject = QStringLiteral("Dorvena B2B giriş bilgileriniz");
    reminder.userName = sender.userName;
    reminder.password = sender.password;
    reminder.body =
        QStringLiteral("Kullanıcı Adı: %1\nŞifre: %2").arg(sender.userName, sender.password);
    // The reminder goes to the user, never to whoever asked for it.
    sender.recipient = sender.mail;
    reminder.mail = sender.mail;
    Insert(db, reminder, id, sender);
    tx.Commit();
    return true;
}

} // namespace appserver::content
