#include "contentmethods.h"

#include "banners.h"
#include "mailrequests.h"
#include "openingscreens.h"

#include "appserver/data/admin.h"
#include "appserver/data/database.h"
#include "appserver/data/databasepool.h"
#include "appserver/methodcall.h"
#include "appserver/methodhandlers.h"
#include "appserver/methodresult.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "server/mobilstokunit.h"

#include <algorithm>
#include <limits>

namespace appserver {
namespace {

using content::BannerSlot;
using content::OpeningScreen;

std::unique_ptr<TAcilisEkran> Transfer(const OpeningScreen &screen)
{
    auto entry = std::make_unique<TAcilisEkran>();
    entry->SetSiraNo(screen.sequence);
    entry->SetResim(content::HexText(screen.jpeg));
    entry->SetBaslik(screen.title);
    entry->SetArama(screen.target);
    return entry;
}

void RegisterScreens(MethodHandlers &handlers, DatabasePool &pool)
{
    handlers.Register(QStringLiteral("AcilisReklamAdet"),
                      [&pool](const MethodCall &, MethodResult &result) {
                          result.SetInt(content::OpeningScreenCount(pool.ForThisThread()));
                      });
    handlers.Register(
        QStringLiteral("AcilisREklamVer"), [&pool](const MethodCall &call, MethodResult &result) {
            Database &db = pool.ForThisThread();
            const int index = call.Int("sira");
            const std::optional<OpeningScreen> screen = content::OpeningScreenAt(db, index);
            // The count may have changed since the client asked for it: say so plainly.
            if (!screen)
                throw platform::Error(
                    QStringLiteral("There is no opening advert at position %1; there are %2")
                        .arg(index)
                        .arg(content::OpeningScreenCount(db)));
            result.SetRecord(Transfer(*screen).get());
        });
    handlers.Register(
        QStringLiteral("AcilisEkranlarVer2"), [&pool](const MethodCall &, MethodResult &result) {
            platform::marshal::Owned<TAcilisEkran> entries;
            for (const OpeningScreen &screen : content::OpeningScreens(pool.ForThisThread()))
                entries.push_back(Transfer(screen));
            TAcilisEkranlariki holder;
            holder.SetEkranlar(std::move(entries));
            result.SetRecord(&holder);
        });
    handlers.Register(
        QStringLiteral("AcilisEkranlarVer"), [&pool](const MethodCall &, MethodResult &result) {
            TAcilisEkranlar list;
            for (const OpeningScreen &screen : content::OpeningScreens(pool.ForThisThread()))
                list.Add(Transfer(screen));
            result.SetRecord(&list);
        });
    handlers.Register(QStringLiteral("DuyuruVer"), [&pool](const MethodCall &,
                                                           MethodResult &result) {
        result.SetTable(pool.ForThisThread().Table(
            QStringLiteral("SELECT sirano, baslik, arama FROM acilis_reklam ORDER BY sirano"), {},
            {{"SIRANO", platform::FieldType::Integer},
             {"BASLIK", platform::FieldType::String, content::kMaxTitleLength},
             {"ARAMA", platform::FieldType::String, content::kMaxTargetLength}}));
    });
    handlers.Register(
        QStringLiteral("DuyuruVer2"), [&pool](const MethodCall &, MethodResult &result) {
            result.SetTable(pool.ForThisThread().Table(
                QStringLiteral(
                    "SELECT sirano, baslik, arama, resim FROM acilis_reklam ORDER BY sirano"),
                {},
                {{"SIRANO", platform::FieldType::Integer},
                 {"BASLIK", platform::FieldType::String, content::kMaxTitleLength},
                 {"ARAMA", platform::FieldType::String, content::kMaxTargetLength},
                 {"RESIM", platform::FieldType::Blob}}));
        });
}

void RegisterBanner(MethodHandlers &handlers, DatabasePool &pool, const char *method,
                    BannerSlot slot)
{
    handlers.Register(
        QLatin1String(method), [&pool, slot](const MethodCall &, MethodResult &result) {
            const QByteArray picture = content::BannerPicture(pool.ForThisThread(), slot);
            result.SetInt64("size", picture.size());
            result.SetStream(picture);
        });
}

content::MailRequest RequestFrom(const MethodCall &call, content::MailKind kind)
{
    content::MailRequest r;
    r.kind = kind;
    r.machineId = call.String("idsi");
    r.subject = call.String("baslik");
    r.firm = call.String("firmaadi");
    r.address1 = call.String("adres1");
    r.address2 = call.String("adres2");
    r.district = call.String("ilce");
    r.city = call.String("sehir");
    r.phone = call.String("telefon");
    r.fax = call.String("fax");
    r.taxOffice = call.String("vd");
    r.taxNumber = call.String("vn");
    r.contact = call.String("yetkili");
    r.userName = call.String("kullaniciadi");
    r.password = call.String("sifre");
    r.mail = call.String("mail");
    r.cargo = call.String("kargoambar");
    if (kind == content::MailKind::FreeText)
        r.body = call.String("konu");
    return r;
}

// The answer is the outbox number (the client only needs the call to succeed).
qint32 StoredNumber(qint64 id)
{
    return qint32(std::min<qint64>(id, std::numeric_limits<qint32>::max()));
}

void RegisterRequests(MethodHandlers &handlers, DatabasePool &pool, const ContentOptions &options)
{
    handlers.Register(
        QStringLiteral("MailGonserCari"), [&pool](const MethodCall &call, MethodResult &result) {
            result.SetInt(StoredNumber(content::StoreMailRequest(
                pool.ForThisThread(), RequestFrom(call, content::MailKind::Request))));
        });
    handlers.Register(QStringLiteral("MailGonserCariNormal"), [&pool](const MethodCall &call,
                                                                      MethodResult &result) {
        result.SetInt(StoredNumber(content::StoreMailRequest(
            pool.ForThisThread(), RequestFrom(call, content::MailKind::FreeText))));
    });
    handlers.Register(
        QStringLiteral("SifremiUnuttum"), [&pool](const MethodCall &call, MethodResult &result) {
            bool hasMail = false;
            const bool queued =
                content::QueuePasswordReminder(pool.ForThisThread(), call.String("idsi"), hasMail);
            result.SetInt("mailvarmi", hasMail ? 1 : 0);
            result.SetBool(queued);
        });
    handlers.Register(
        QStringLiteral("MobilCariBilgisiGetir"),
        [&pool, totals = options.accountTotals](const MethodCall &call, MethodResult &result) {
            const std::unique_ptr<TMobilCariBilgisi> card = content::CustomerCard(
                pool.ForThisThread(), call.Int("sirano"), call.String("_idsi"), totals);
            result.SetRecord(card.get());
        });
}

} // namespace

void RegisterContentMethods(MethodHandlers &handlers, DatabasePool &pool)
{
    RegisterContentMethods(handlers, pool, ContentOptions());
}

void RegisterContentMethods(MethodHandlers &handlers, DatabasePool &pool, ContentOptions options)
{
    RegisterScreens(handlers, pool);
    RegisterBanner(handlers, pool, "BannerResimVer", BannerSlot::Header);
    RegisterBanner(handlers, pool, "BannerResimVer2", BannerSlot::Strip);
    RegisterBanner(handlers, pool, "BannerResimVer3", BannerSlot::Bottom);
    handlers.Register(QStringLiteral("KayanYaziGetir"),
                      [&pool](const MethodCall &, MethodResult &result) {
                          result.SetString(Setting(pool.ForThisThread(), QStringLiteral("ticker")));
                      });
    RegisterRequests(handlers, pool, options);
}

} // namespace appserver
