#include "ordersmethods.h"

#include "backorders.h"
#include "basket.h"
#include "caller.h"
#include "catalogue.h"
#include "inputcheck.h"
#include "mobileobjects.h"
#include "orderhistory.h"
#include "ordersubmit.h"
#include "stocksearch.h"

#include "appserver/data/databasepool.h"
#include "appserver/methodcall.h"
#include "appserver/methodhandlers.h"
#include "appserver/methodresult.h"
#include "platform/dataset.h"
#include "platform/error.h"
#include "platform/marshal.h"
#include "server/mobilstokunit.h"
#include "session/baglantiu.h"

#include <functional>
#include <optional>

namespace appserver {
namespace {

using namespace orders;
using Handler = void (*)(Database &, const MethodCall &, MethodResult &);

Caller SessionOf(Database &db, const MethodCall &call, std::string_view parameter, UserRule rule)
{
    return ResolveCaller(db, call.Object(parameter), call.Name(), rule);
}

// The user the call names as the one who gives the line or order must be the signed-in user.
void RequireSameUser(const Caller &caller, qint64 verenId, const QString &method)
{
    if (verenId != caller.userId)
        throw platform::Error(QStringLiteral("%1: user %2 is not the user of the session record")
                                  .arg(method)
                                  .arg(verenId));
}

// The customer's rates, or nothing for an unknown customer (whose lists are empty).
std::optional<DiscountRates> RatesOf(Database &db, qint64 cariId)
{
    const std::optional<Customer> customer = FindCustomer(db, cariId);
    return customer ? std::optional(customer->rates) : std::nullopt;
}

std::unique_ptr<platform::DataSet> ListFor(const std::optional<DiscountRates> &rates,
                                           const std::function<std::vector<StockItem>()> &items)
{
    return StockListTable(rates ? items() : std::vector<StockItem>{},
                          rates.value_or(DiscountRates{}));
}

// ---- catalogue ----

void StokAraGetir(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgi", UserRule::Optional);
    const QString text =
        RequireTextLength(call.String("kod"), kMaxSearchLength, QStringLiteral("The search text"));
    result.SetTable(StockListTable(SearchStock(db, text), caller.customer.rates));
}

// The older search names the customer by its number as text.
void StokAra(Database &db, const MethodCall &call, MethodResult &result)
{
    const QString text =
        RequireTextLength(call.String("kod"), kMaxSearchLength, QStringLiteral("The search text"));
    bool numeric = false;
    const qint64 cariId = call.String("carino").trimmed().toLongLong(&numeric);
    result.SetTable(ListFor(numeric ? RatesOf(db, cariId) : std::nullopt,
                            [&] { return SearchStock(db, text); }));
}

void MobilStokara(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgi", UserRule::Optional);
    const QString text =
        RequireTextLength(call.String("kod"), kMaxSearchLength, QStringLiteral("The search text"));
    // From item `neresi` on, `nekadar` items (0: as many as a list may hold).
    const int count = call.Int("nekadar") > 0 ? call.Int("nekadar") : kMaxListRows;
    const std::vector<StockItem> items = SearchStock(db, text, count, call.Int("neresi"));
    result.SetObject(
        platform::marshal::Writer().Write(*MobilStoklar(items, caller.customer.rates)));
}

void MobilStokNoAra(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgi", UserRule::Optional);
    const std::optional<StockItem> item = FindStockItem(db, call.Int("stokno"));
    if (!item) {
        result.SetObject(QJsonValue::Null);
        return;
    }
    result.SetObject(
        platform::marshal::Writer().Write(*MobilStok(PriceFor(*item, caller.customer.rates))));
}

void NewItems(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(ListFor(RatesOf(db, call.Int("carino")), [&] { return NewStock(db); }));
}

// `satici` carries the caller's customer type; every customer sees the same campaigns.
void CampaignItems(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(ListFor(RatesOf(db, call.Int("cario")), [&] { return CampaignStock(db); }));
}

void ResimVer5(Database &db, const MethodCall &call, MethodResult &result)
{
    const QByteArray jpeg =
        db.Scalar(QStringLiteral("SELECT jpeg FROM resim WHERE stok_id = ?"), {call.Int("stokno")})
            .toByteArray();
    result.SetStream(jpeg);
    result.SetInt64("boy", jpeg.size());
}

// ---- basket ----

void BasketLines(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(BasketTable(Basket(db).Lines(call.Int("carino"))));
}

void SepetMobilVer(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetObject(
        platform::marshal::Writer().Write(*MobilSepetler(Basket(db).Lines(call.Int("carino")))));
}

// SepetEkle2 and SepetEkle: the basket prices the line itself; of the caller's figures only a
// salesperson's unit price counts (code, name, VAT, rates and campaign flag are the item's).
void AddToBasket(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgim", UserRule::Required);
    RequireSameCustomer(caller, call.Int("carino"), call.Name());
    RequireSameUser(caller, call.Int("verenid"), call.Name());
    Basket(db).Add(caller, call.Int("stokno"), call.Double("miktar"), call.Double("fiyat"));
    result.SetInt(1);
}

// SepetGuncelle2 and SepetGuncelle: the line is named by its number; 0 when the customer has
// no such line.
void UpdateBasketLine(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgim", UserRule::Required);
    RequireSameCustomer(caller, call.Int("carino"), call.Name());
    RequireSameUser(caller, call.Int("verenid"), call.Name());
    const bool updated = Basket(db).Update(caller, call.Int("_sepetsirano"), call.Double("miktar"),
                                           call.Double("fiyat"));
    result.SetInt(updated ? 1 : 0);
}

void SepetSecimGuncelle(Database &db, const MethodCall &call, MethodResult &)
{
    Basket(db).Select(call.Int("sirano"), call.Int("secim"));
}

void SepetSatirSil(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgi", UserRule::Required);
    result.SetInt(Basket(db).Remove(caller, call.Int("satirno")) ? 1 : 0);
}

void SepetHepsiniSil(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "bilgi", UserRule::Required);
    result.SetInt(Basket(db).Clear(caller));
}

// ---- orders ----

void SiparisKaydet(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "BB", UserRule::Required);
    RequireSameCustomer(caller, call.Int("_carino"), call.Name());
    RequireSameUser(caller, call.Int("_verenid"), call.Name());
    OrderRequest request;
    request.teslim = call.Int("_teslim");
    request.kargo = call.Int("_kargo");
    request.kargoFirma = call.Int("_kargoyeni");
    request.note = call.String("_aciklama");
    result.SetBool(SubmitOrder(db, caller, request).has_value());
}

void PreviousOrders(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(OrderList(db, call.Int("carino")));
}

void OrderDetail(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(OrderLines(db, call.Int("carino"), call.Int("idnosu")));
}

void SiparisAytintisiDip(Database &db, const MethodCall &call, MethodResult &result)
{
    const auto dip = OrderFooter(db, call.Int("carino"), call.Int("siranosu"));
    result.SetObject(platform::marshal::Writer().Write(*dip));
}

void TumSiparislerVer(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(OrderLinesOfItem(db, call.Int("carino"), call.Int("stokno")));
}

void Balances(Database &db, const MethodCall &call, MethodResult &result)
{
    result.SetTable(OpenBalances(db, call.Int("carino")));
}

BalanceLine BalanceLineOf(const MethodCall &call)
{
    return {call.Int("siparissirano"), call.Int("sepetsirano"), call.Int("stokno")};
}

void BakiyeDuzenle(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "k", UserRule::Required);
    result.SetInt(BackOrders(db).Delete(caller, BalanceLineOf(call)));
}

// The client sends the new balance as both Adet and Bakiye; Bakiye is the one that counts.
void BakiyeDegistir(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "k", UserRule::Required);
    result.SetInt(BackOrders(db).Change(caller, BalanceLineOf(call), call.Double("Bakiye")));
}

void BakiyeFiyatDegistir(Database &db, const MethodCall &call, MethodResult &result)
{
    const Caller caller = SessionOf(db, call, "k", UserRule::Required);
    result.SetInt(BackOrders(db).ChangePrice(caller, BalanceLineOf(call), call.Double("fiyat"),
                                             call.Double("ind")));
}

void LookupList(Database &db, const char *table, MethodResult &result)
{
    // `table` is one of the fixed names below.
    result.SetTable(
        db.Table(QStringLiteral("SELECT id, adi FROM %1 ORDER BY id").arg(QLatin1String(table)), {},
                 {{"ID", platform::FieldType::Integer}, {"ADI", platform::FieldType::String, 50}}));
}

void TeslimVer(Database &db, const MethodCall &, MethodResult &result)
{
    LookupList(db, "teslimcinsi", result);
}

void KargoVer(Database &db, const MethodCall &, MethodResult &result)
{
    LookupList(db, "kargocinsi", result);
}

} // namespace

void RegisterOrdersMethods(MethodHandlers &handlers, DatabasePool &pool)
{
    const std::pair<const char *, Handler> methods[] = {
        {"StokAraGetir", StokAraGetir},
        {"StokAra", StokAra},
        {"MobilStokara", MobilStokara},
        {"MobilStokNoAra", MobilStokNoAra},
        {"YenilerVer2", NewItems},
        {"YenilerVer", NewItems},
        {"KampanyaliVer2", CampaignItems},
        {"KampanyaliVer", CampaignItems},
        {"ResimVer5", ResimVer5},
        {"SepetVer2", BasketLines},
        {"SepetVer", BasketLines},
        {"SepetMobilVer", SepetMobilVer},
        {"SepetEkle2", AddToBasket},
        {"SepetEkle", AddToBasket},
        {"SepetGuncelle2", UpdateBasketLine},
        {"SepetGuncelle", UpdateBasketLine},
        {"SepetSecimGuncelle", SepetSecimGuncelle},
        {"SepetSatirSil", SepetSatirSil},
        {"SepetHepsiniSil", SepetHepsiniSil},
        {"SiparisKaydet", SiparisKaydet},
        {"OncekiSiparisler", PreviousOrders},
        {"OncekiSiparisler2", PreviousOrders},
        {"Oncekiler", PreviousOrders},
        {"SiparisAyrintisi2", OrderDetail},
        {"SiparisAyrintisi", OrderDetail},
        {"SiparisAytintisiDip", SiparisAytintisiDip},
        {"TumSiparislerVer", TumSiparislerVer},
        {"BakiyelerVer2", Balances},
        {"BakiyelerVer", Balances},
        {"BakiyeDuzenle", BakiyeDuzenle},
        {"BakiyeDegistir", BakiyeDegistir},
        {"BakiyeFiyatDegistir", BakiyeFiyatDegistir},
        {"TeslimVer", TeslimVer},
        {"KargoVer", KargoVer},
    };
    for (const auto &[name, handler] : methods) {
        handlers.Register(QString::fromLatin1(name),
                          [&pool, handler = handler](const MethodCall &call, MethodResult &result) {
                              handler(pool.ForThisThread(), call, result);
                          });
    }
}

} // namespace appserver
